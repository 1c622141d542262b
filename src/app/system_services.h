#pragma once

#include "help_files.h"

// Help files in the system's temporary directory, shown by the system's text
// viewer (notepad on Windows, the desktop's default viewer elsewhere).
HelpFiles SystemHelpFiles();
