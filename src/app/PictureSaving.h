// File -> Save picture as: what Copy would put on the clipboard, written as a PNG, SVG
// or PDF file by the same code as the command line's render.
#pragma once

class QWidget;

namespace oskava {

class CDatView;

/// Asks for the file (the filter chosen gives the format when the name has no known
/// extension) and writes the view's whole surface to it; a failure is told through the
/// document's prompts.
void SavePictureAs(QWidget* parent, CDatView& view);

}  // namespace oskava
