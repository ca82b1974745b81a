#pragma once

class QWidget;

// Proportional resizing of a window whose controls are placed with fixed
// geometry. The first adjustment of a window records its inner size (the
// central widget of a main window, else the window itself) and every control's
// geometry and font size; each later adjustment moves and sizes the controls
// to the recorded values times the ratio of the current inner size to the
// recorded one, in whole percent. Records are kept by window and control
// names for the whole run, so a window loaded again keeps its first reference.
//
// Call it at the end of the window's set-up and from its resize event.
namespace Ajusta_tela {

void Ajusta_form(QWidget *form);

} // namespace Ajusta_tela
