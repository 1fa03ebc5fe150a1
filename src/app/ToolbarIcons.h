#pragma once

#include <QIcon>

// The toolbar's 18 x 19 pictures, drawn by the program: New, Open, Save, Read, Write,
// Print and About. An unknown command gives a null icon.
QIcon toolbarIcon(int commandId);
