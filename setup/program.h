// The installer.
#pragma once

int RunSetup();
