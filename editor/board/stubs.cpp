// Placeholders, replaced as the windows and routines are built.
#include "editor/board/form6_product.h"
#include "editor/board/form9_colours.h"
#include "editor/editing/form8_pindata.h"
#include "editor/form1.h"
