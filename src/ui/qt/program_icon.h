#pragma once

class QIcon;
class QWidget;

// The program's icon in every size it is drawn at, for the window and the
// task bar; the same pictures as the icon installed for the desktop menu.
QIcon program_icon();

// Gives the program its icon once the window's first frame is painted.
void give_icon_after_first_frame(QWidget& window);
