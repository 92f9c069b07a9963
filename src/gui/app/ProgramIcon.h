#pragma once
// Icon 128: the program's own picture, on the main form, its info button
// and the About box.

#include <QIcon>

QIcon ProgramIcon();
