// Placeholders, replaced as the view, options and their windows are built.
#include "editor/form1.h"
