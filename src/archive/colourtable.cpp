#include "archive/colourtable.h"

#include <algorithm>
#include <cstdint>

#include "colour/numbers.h"

namespace hk {

namespace {

// Holds the pad in follow mode for the length of one click or key.
class FollowScope {
 public:
  explicit FollowScope(PadModel& pad) : pad_(pad) { pad_.SetFollowMode(true); }
  ~FollowScope() { pad_.SetFollowMode(false); }
  FollowScope(const FollowScope&) = delete;
  FollowScope& operator=(const FollowScope&) = delete;

 private:
  PadModel& pad_;
};

}  // namespace

std::string PadCaption(PadList list, int count, std::optional<std::string_view> name) {
  std::string caption = list == PadList::Saved ? "Custom " : "Web ";
  caption += kTableTag;
  caption += '[';
  caption += std::to_string(count);
  caption += ']';
  if (name) {
    caption += ' ';
    for (char ch : *name) {
      if (ch == '&') caption += '&';
      caption += ch;
    }
  }
  return caption;
}

CaptionColours TableCaptionColours(bool tableHasFocus) {
  constexpr auto kSystem = [](std::uint32_t index) {
    return static_cast<LongColour>(0x80000000u | index);
  };
  if (tableHasFocus) return {kSystem(2), kSystem(9)};  // active caption and its text
  return {kSystem(3), kSystem(19)};                    // inactive caption and its text
}

bool TxtColAccepts(char32_t ch) { return (ch >= U'0' && ch <= U'9') || ch == U'.' || ch == 8; }

ColourTable::ColourTable(ColourArchive& archive, const WebColors& web)
    : archive_(archive), web_(web) {}

bool ColourTable::ActionsEnabled() const { return archive_.Count() > 0; }

bool ColourTable::ActionsVisible(bool tableExpanded) const {
  return tableExpanded && tab_ == PadList::Saved;
}

void ColourTable::ShowTipButtons(bool tableExpanded) {
  biggerShown_ = tableExpanded && pad_.TipSize() < PadModel::kMaxTipSize;
  smallerShown_ = tableExpanded && pad_.TipSize() > PadModel::kMinTipSize;
}

int ColourTable::Count() const { return tab_ == PadList::Saved ? archive_.Count() : web_.Count(); }

LongColour ColourTable::ColourAt(int index) const {
  if (index < 0 || index >= Count()) return 0;
  return tab_ == PadList::Saved ? archive_.Value(index)
                                : web_.ColourAt(index);
}

std::string ColourTable::NameAt(int index) const {
  if (index < 0 || index >= Count()) return {};
  return tab_ == PadList::Saved ? archive_.Name(index)
                                : web_.WebNames[static_cast<std::size_t>(index)];
}

void ColourTable::DrawColors(std::vector<PadCell>& out) const {
  pad_.VisibleCells(out);
  if (tab_ == PadList::Saved) {
    const int count = archive_.Count();
    for (PadCell& cell : out) {
      if (cell.index < count) cell.colour = archive_.Value(cell.index);
    }
  } else {
    for (PadCell& cell : out) cell.colour = ColourAt(cell.index);
  }
}

PadUpdate ColourTable::FixPad() {
  if (!pad_.Layout(Count())) return {};
  pad_.ShowShape();
  caption_ = PadCaption(tab_, Count(), std::nullopt);
  return CheckShowShape();
}

PadUpdate ColourTable::CheckShowShape() {
  PadUpdate update;
  pad_.ScrollToSelection();
  const int pos = pad_.PadPos();
  if (pos >= 0 && pos <= pad_.PadCount() && pos <= Count()) {
    if (tab_ == PadList::Saved) {
      lastUserColor_ = pos;
      txtColIndex_ = pos - 1;
    } else {
      lastWebColor_ = pos;
    }
    const Selection now{tab_, pos - 1};
    if (pos >= 1) {
      // A web colour is applied again every time. A saved one when its txtCol item
      // changes, and on every click or key: the current colour may have been changed
      // elsewhere since.
      if (tab_ == PadList::Web || !(now == selection_) || pad_.FollowMode()) {
        update.newColour = ColourAt(pos - 1);
      }
      const std::string name =
          tab_ == PadList::Saved ? NameAt(pos - 1) : UpperAscii(NameAt(pos - 1));
      caption_ = PadCaption(tab_, Count(), std::string_view(name));
    } else if (tab_ == PadList::Saved) {
      caption_ = PadCaption(tab_, Count(), "");  // the blank before a name, and no name
    }
    selection_ = now;
  }
  pad_.ShowShape();
  return update;
}

PadUpdate ColourTable::Option1_Click(PadList list) {
  tab_ = list;
  // A remembered position beyond the list selects its last colour; one below 1
  // (possible from an edited preferences file) selects nothing.
  const int remembered = list == PadList::Saved ? lastUserColor_ : lastWebColor_;
  pad_.SetPadPos(std::clamp(remembered, 0, Count()));
  return FixPad();
}

PadUpdate ColourTable::StartOn(PadList list) {
  if (list == PadList::Saved) return Option1_Click(list);
  tab_ = list;
  pad_.SetPadPos(lastWebColor_);
  return {};
}

PadUpdate ColourTable::VS_Change(int value) {
  pad_.SetScrollValue(value);
  return {};
}

PadUpdate ColourTable::PAD_MouseDown(int x, int y) {
  const auto hit = pad_.HitTest(x, y);
  if (!hit) return {};
  pad_.SetPadPos(hit->position);
  pad_.SetCursor(hit->col, hit->row);
  FollowScope follow(pad_);
  return CheckShowShape();
}

std::string ColourTable::PAD_MouseMove(int x, int y) const { return NameAt(pad_.ItemAt(x, y)); }

PadUpdate ColourTable::PAD_KeyDown(PadKey key, Dialogs& dialogs) {
  FollowScope follow(pad_);
  PadUpdate deleted;
  if (key == PadKey::Delete) deleted = DeleteColor(dialogs);
  // After Delete too, the selection returns to the cursor cell.
  if (!pad_.MoveCursor(key)) return deleted;
  PadUpdate update = CheckShowShape();
  if (!update.newColour) update.newColour = deleted.newColour;
  return update;
}

PadUpdate ColourTable::Image3_Click() {
  if (pad_.TipSize() >= PadModel::kMaxTipSize) return {};
  // A size off the 15-twip steps (from an edited preferences file) passes 450 once.
  pad_.SetTipSize(pad_.TipSize() + PadModel::kTipStep);
  PadUpdate update = FixPad();
  smallerShown_ = true;
  if (pad_.TipSize() == PadModel::kMaxTipSize) biggerShown_ = false;
  return update;
}

PadUpdate ColourTable::Image2_Click() {
  if (pad_.TipSize() <= PadModel::kMinTipSize) return {};
  pad_.SetTipSize(pad_.TipSize() - PadModel::kTipStep);
  PadUpdate update = FixPad();
  biggerShown_ = true;
  if (pad_.TipSize() == PadModel::kMinTipSize) smallerShown_ = false;
  return update;
}

PadUpdate ColourTable::txtCol_Click(int index) {
  if (index < 0 || index >= archive_.Count()) return {};
  PadUpdate update;
  update.newColour = archive_.Value(index);
  txtColIndex_ = index;
  if (tab_ == PadList::Saved) {
    selection_ = {PadList::Saved, index};
    pad_.SetPadPos(index + 1);
    CheckShowShape();
  } else {
    // The web pad keeps its own selection; the saved list remembers the pick for
    // when it is shown again.
    lastUserColor_ = index + 1;
  }
  return update;
}

PadUpdate ColourTable::SelectPosition(int position) {
  pad_.SetPadPos(std::clamp(position, 0, Count()));
  return CheckShowShape();
}

std::optional<LongColour> ColourTable::Apply(std::string_view txtColText) {
  return ReadInt32(txtColText);
}

PadUpdate ColourTable::CmdAdd(std::string_view txtColText, Dialogs& dialogs) {
  if (txtColText.empty()) return {};
  const auto colval = ReadInt32(txtColText);
  if (!colval) return {};
  return AddColor(*colval, dialogs);
}

PadUpdate ColourTable::AddColor(LongColour colval, Dialogs& dialogs) {
  if (archive_.AddColor(colval, dialogs) != AddOutcome::Added) return {};
  if (tab_ != PadList::Saved) return {};
  pad_.SetPadPos(archive_.Count());
  return FixPad();
}

PadUpdate ColourTable::ColoursImported() {
  return tab_ == PadList::Saved ? FixPad() : PadUpdate{};
}

PadUpdate ColourTable::Rename(Dialogs& dialogs) {
  const int pos = pad_.PadPos();
  // As Delete: the Delete key's return to the cursor cell can leave PadPos on an empty
  // cell beyond the list, while the caption still names the colour before it. There is
  // nothing to rename then, and no question may name a colour that does not exist.
  if (tab_ != PadList::Saved || pos < 1 || pos > archive_.Count()) return {};
  if (archive_.Rename(pos - 1, dialogs) != RenameOutcome::Renamed) return {};
  return CheckShowShape();
}

PadUpdate ColourTable::DeleteColor(Dialogs& dialogs) {
  const int pos = pad_.PadPos();
  if (tab_ != PadList::Saved || pos < 1 || pos > archive_.Count()) return {};
  if (archive_.DeleteColor(pos - 1, dialogs) != DeleteOutcome::Deleted) return {};
  ForgetItem(pos - 1);
  // The colour that moved up into the place, or the new last one, is selected.
  pad_.SetPadPos(std::min(pos, archive_.Count()));
  PadUpdate update = FixPad();
  pad_.ShowShape();
  return update;
}

void ColourTable::ForgetItem(int index) {
  if (txtColIndex_ == index) {
    txtColIndex_ = -1;
  } else if (txtColIndex_ > index) {
    --txtColIndex_;
  }
  if (selection_.list == PadList::Saved) {
    if (selection_.index == index) {
      selection_.index = -1;
    } else if (selection_.index > index) {
      --selection_.index;
    }
  }
}

}  // namespace hk
