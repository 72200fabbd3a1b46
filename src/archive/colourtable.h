// The colour table: the pad over one of two lists, the saved colours of the archive
// or the 140 named web colours, with the rules that tie a selection on the pad to
// the `txtCol` list, the caption `lblCol` and the current colour. Every operation
// returns what the window has to do besides repainting from the state here: at most
// one new current colour for `SetColor`.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/colourarchive.h"
#include "archive/padmodel.h"
#include "colour/webcolors.h"
#include "platform/dialogs.h"

namespace hk {

enum class PadList { Saved = 0, Web = 1 };  // `Option1(0)`, `Option1(1)`; `CurrentTab`

inline constexpr char kTableTag[] = "Color &Table";  // the tag of `lblCol`

// The caption of `lblCol`: "Custom " or "Web ", the tag, "[count]", and once a colour
// is selected a blank and its name. The text is in access-key form: the tag's "&T"
// marks the key and an "&" of the name is doubled so it shows as itself.
std::string PadCaption(PadList list, int count, std::optional<std::string_view> name);

// `lblCol` looks like an active window caption while the table has the focus
// (ShowTableFocus): system colour references for its background and text.
struct CaptionColours {
  LongColour background = 0;
  LongColour text = 0;
};
CaptionColours TableCaptionColours(bool tableHasFocus);

// The keyboard filter of `txtCol`: only digits, "." and Backspace (8) are typed;
// every other character, control characters included, is dropped.
bool TxtColAccepts(char32_t ch);

struct PadUpdate {
  std::optional<LongColour> newColour;  // make it the current colour (SetColor)
};

class ColourTable {
 public:
  ColourTable(ColourArchive& archive, const WebColors& web);

  PadModel& Pad() { return pad_; }
  const PadModel& Pad() const { return pad_; }
  const ColourArchive& Archive() const { return archive_; }

  // ---- state shared with the preferences ----
  PadList CurrentTab() const { return tab_; }
  int LastUserColor() const { return lastUserColor_; }
  int LastWebColor() const { return lastWebColor_; }
  void SetLastUserColor(int pos) { lastUserColor_ = pos; }
  void SetLastWebColor(int pos) { lastWebColor_ = pos; }

  // ---- what the window shows ----
  int TxtColIndex() const { return txtColIndex_; }  // the txtCol item selected, -1 none
  const std::string& Caption() const { return caption_; }
  bool ActionsEnabled() const;                    // Rename and Delete
  bool ActionsVisible(bool tableExpanded) const;  // Rename and Delete
  // The tip size buttons Image3 (bigger) and Image2 (smaller): the table toggle
  // shows each while its step is possible; a click shows the other one and hides
  // itself only on reaching 450 or 90 exactly, so a size off the 15-twip steps keeps
  // its button.
  bool BiggerShown() const { return biggerShown_; }
  bool SmallerShown() const { return smallerShown_; }
  void ShowTipButtons(bool tableExpanded);

  // The list shown.
  int Count() const;
  LongColour ColourAt(int index) const;
  // The name as the tool tip shows it: the saved name, or the web name in its capitals.
  std::string NameAt(int index) const;
  // DrawColors: the cells in view with their colours.
  void DrawColors(std::vector<PadCell>& out) const;

  // ---- operations ----
  // Lays the pad out for the list shown, then selects PadPos.
  PadUpdate FixPad();
  PadUpdate Option1_Click(PadList list);
  // Start-up selects the list before the web colours are filled in: on the web list
  // the click ends before its clamping step, so PadPos keeps the remembered position
  // (one beyond the list stays unselected) and the later FixPad completes the pad.
  PadUpdate StartOn(PadList list);
  // The user moved the scroll bar.
  PadUpdate VS_Change(int value);
  PadUpdate PAD_MouseDown(int x, int y);
  // The tool tip for the pointer at (x, y): the name under it, or "".
  std::string PAD_MouseMove(int x, int y) const;
  // Proc_Key, run with the pad in follow mode: Delete deletes the selected saved
  // colour; then, unless an arrow was ignored, the cursor cell is selected.
  PadUpdate PAD_KeyDown(PadKey key, Dialogs& dialogs);
  PadUpdate Image3_Click();  // bigger tips
  PadUpdate Image2_Click();  // smaller tips
  // An item of the txtCol list was picked by the user.
  PadUpdate txtCol_Click(int index);
  // Selects a 1-based position of the list shown (the search finds it).
  PadUpdate SelectPosition(int position);
  // Scrolls PadPos into view, selects it in txtCol, sets the caption, places the marker.
  PadUpdate CheckShowShape();

  // CmdApply (and Enter in txtCol): the colour the typed text names, or nothing when
  // it overflows 32 bits.
  static std::optional<LongColour> Apply(std::string_view txtColText);
  // CmdAdd: adds the colour typed in txtCol; an empty text does nothing.
  PadUpdate CmdAdd(std::string_view txtColText, Dialogs& dialogs);
  PadUpdate AddColor(LongColour colval, Dialogs& dialogs);
  // The saved list grew by an import: the pad shows it, the selection kept.
  PadUpdate ColoursImported();
  // lblAction(0) and lblAction(1): act on the selected saved colour.
  PadUpdate Rename(Dialogs& dialogs);
  PadUpdate DeleteColor(Dialogs& dialogs);

 private:
  struct Selection {
    PadList list = PadList::Saved;
    int index = -1;
    bool operator==(const Selection&) const = default;
  };
  void ForgetItem(int index);

  ColourArchive& archive_;
  const WebColors& web_;
  PadModel pad_;
  PadList tab_ = PadList::Saved;
  int lastUserColor_ = 1;
  int lastWebColor_ = 1;
  int txtColIndex_ = -1;
  // The entry the pad last made current; a re-layout that keeps it leaves the current
  // colour alone.
  Selection selection_;
  std::string caption_ = kTableTag;
  bool biggerShown_ = false;
  bool smallerShown_ = false;
};

}  // namespace hk
