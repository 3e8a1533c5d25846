#pragma once

class QLabel;
class QWidget;

namespace pocketrix {

// Completes a window that setupUi built from its definition. The definitions are drawn
// in pixels at 96 dpi, with the reference fonts in points; here the fonts become the
// installed look-alikes at the definitions' pixel heights, and the window gets the
// screen position (dynamic property "definitionPos"), client size
// ("definitionClient", default: the size of the definition) and border
// ("definitionBorder": "single", "dialog" or "sizeable") the definition gives, and
// each drop-down list the item height of its definition ("definitionItemHeight"). The
// pictures the definition names go into place as well: a window's icon
// ("definitionIcon"), a label's picture ("definitionPixmap") and a button's glyph
// ("definitionGlyph"). Glyphs follow the classic convention: the colour of the picture's
// bottom-left pixel is its background, and the button's own face shows there.
void finishWindow(QWidget* window);

// Makes the reference fonts of the definitions resolve to installed fonts of the same
// build, "MS Sans Serif" to a sans serif and "Times New Roman" to a serif, and makes the
// windows' own font, "MS Sans Serif" 11 pixels high, the default of everything else the
// program shows (message boxes, tooltips, menus). It also sets the platform's style,
// adjusted for a menu bar of one menu. Run once, before the first window is created.
void installLook();

// Sizes a label to its text, as the definitions' labels size themselves: to the text's
// height too, or keeping the height the definition gives.
void fitToText(QLabel* label, bool keepHeight = false);

} // namespace pocketrix
