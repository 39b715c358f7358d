// The part editor Moravint.
#pragma once

int RunMoravint();
