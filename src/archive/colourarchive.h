// The colour archive: the user's saved, named colours. The file is opened at start-up
// as one list of records (the values `txtCol` shows and the names of `ColName`, item
// for item); add, rename and delete change only the list; the file is written once,
// at exit, by appending the colours added in the run or by rewriting it whole.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "archive/archiverecord.h"
#include "archive/palettefile.h"
#include "archive/recordlist.h"
#include "colour/longcolour.h"
#include "platform/dialogs.h"

namespace hk {

// Told about every change of the lists, before and after, so a list model over them
// (the `txtCol` drop-down) can announce rows without copying the lists.
class ArchiveListener {
 public:
  virtual ~ArchiveListener() = default;
  virtual void ArchiveAboutToReset() {}
  virtual void ArchiveReset() {}
  virtual void ArchiveAboutToAppend(int /*index*/) {}
  virtual void ArchiveAppended(int /*index*/) {}
  virtual void ArchiveAboutToRemove(int /*index*/) {}
  virtual void ArchiveRemoved(int /*index*/) {}
  virtual void ArchiveRenamed(int /*index*/) {}
};

enum class SaveAction {
  Leave,    // nothing changed in the run: the file is not touched
  Append,   // only additions: they go after the existing records
  Rewrite,  // a delete or a new name: the file is written again from the lists
};

struct SaveResult {
  SaveAction action = SaveAction::Leave;  // what was done (or tried)
  bool ok = true;
  std::string error;  // why it failed; the old file is then as it was
};

enum class AddOutcome { Added, DuplicateColour, NoName, NameExists };
struct ImportCounts {
  int imported = 0, alreadySaved = 0;
};
enum class RenameOutcome { Renamed, SameName, NoName, NameExists, NoSuchItem };
enum class DeleteOutcome { Deleted, Kept, NoSuchItem };

// The messages and prompts of the archive operations, as the user reads them.
inline constexpr char kDuplicateColourPrompt[] = "This color is already in file..";
inline constexpr char kDuplicateColourTitle[] = "Duplicate..";
inline constexpr char kNamePrompt[] = "Specify color name (Max 25 characters).";
inline constexpr char kNameTitle[] = "Color Name";
inline constexpr char kNameExistsPrompt[] =
    "The supplied name already exists. Please specify different name.";
inline constexpr char kNameExistsTitle[] = "Name Exists!";
inline constexpr char kRenameTitle[] = "Edit Color Name";
inline constexpr char kSameNamePrompt[] = "New name is same as old name.";
inline constexpr char kSameNameTitle[] = "Information";
inline constexpr char kDeleteTitle[] = "Delete ?";

std::string RenamePrompt(std::string_view oldName);
std::string DeletePrompt(std::string_view name);

class ColourArchive {
 public:
  // `LowestDeleted` and `RenameMark` while no delete or rename happened. Above every
  // index, so a delete far down a long list still counts.
  static constexpr std::int32_t kUnchanged = std::numeric_limits<std::int32_t>::max();

  struct AddedColour {
    LongColour colour = 0;
    std::string name;  // padded with spaces to 25 characters
  };

  // Replaces the list with the records of `file`; resets the run state.
  LoadResult LoadColors(const std::filesystem::path& file);

  // ---- the list, item for item; `index` must exist ----
  int Count() const { return records_.Count(); }
  LongColour Value(int index) const { return records_.Colour(index); }  // txtCol
  std::string Name(int index) const;                                     // ColName

  // First item holding `colour`, or -1.
  int FindValue(LongColour colour) const;
  // First item whose name equals `name` ignoring case, `except` left out; or -1.
  int FindName(std::string_view name, int except = -1) const;

  // ---- the operations; each asks the user through `dialogs` ----
  AddOutcome AddColor(LongColour colval, Dialogs& dialogs);
  RenameOutcome Rename(int index, Dialogs& dialogs);
  DeleteOutcome DeleteColor(int index, Dialogs& dialogs);
  // Adds the colours of a palette in its order by the rules of AddColor, asking nothing: a
  // colour or a name already saved is skipped; a name is cut as typed ones are, and a
  // colour without one is named by its web notation.
  ImportCounts Import(const std::vector<PaletteEntry>& entries);

  // ---- the run state ----
  const std::vector<AddedColour>& AddedColors() const { return added_; }
  std::int32_t AddedLast() const { return static_cast<std::int32_t>(added_.size()) - 1; }
  std::int32_t LowestDeleted() const { return lowestDeleted_; }
  std::int32_t RenameMark() const { return renameMark_; }
  void ResetRunState();

  // What the save at exit will do, judged from the run state alone.
  SaveAction SaveDecision() const;
  // Writes the run's changes to `file`. An append onto a file whose length is not a
  // whole number of records rewrites it instead. A rewrite goes to a new file beside
  // the old one and replaces it only once written and synced. On success the run
  // state is reset, so a second save writes nothing twice.
  SaveResult Save(const std::filesystem::path& file);

  void SetListener(ArchiveListener* listener) { listener_ = listener; }

 private:
  void Append(LongColour colour, const std::string& name);  // a new last item, added in the run
  SaveResult Append(const std::filesystem::path& file);
  SaveResult Rewrite(const std::filesystem::path& file) const;

  RecordList records_;
  std::vector<AddedColour> added_;
  std::int32_t lowestDeleted_ = kUnchanged;
  std::int32_t renameMark_ = kUnchanged;
  // The last load stopped at a read error: the lists miss records the file may
  // still hold, so writing the file again from them would lose those.
  bool loadIncomplete_ = false;
  ArchiveListener* listener_ = nullptr;
};

// Writes `count` records as a whole archive to `file`, `record` filling in the 29 bytes
// of each: a new file beside it, synced, then renamed over it, and the folder synced.
// On failure the old file is untouched and no new file is left behind.
using RecordSource = std::function<void(std::size_t index, unsigned char* out)>;
SaveResult WriteArchiveFile(const std::filesystem::path& file, std::size_t count,
                            const RecordSource& record);
// The same for lists of values and names.
SaveResult WriteArchiveFile(const std::filesystem::path& file,
                            const std::vector<LongColour>& values,
                            const std::vector<std::string>& names);

}  // namespace hk
