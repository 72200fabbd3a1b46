// The small pictures the main window draws for its buttons and picture controls.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace hk {

QIcon CopyIcon();    // two overlapping sheets: the copy buttons
QIcon ApplyIcon();   // a tick: apply the Long field
QIcon AddIcon();     // a plus: add to the saved colours
QIcon SearchIcon();  // a magnifying glass: search by name
QIcon AboutIcon();   // an "i" on a blue disc: about the program
// The slide button: a chevron pointing the way the table moves.
QPixmap SlidePicture(bool down);
// The tip size buttons: a plus or a minus sign.
QPixmap SignPicture(bool plus);

}  // namespace hk
