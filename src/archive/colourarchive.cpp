#include "archive/colourarchive.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "archive/archiveindex.h"
#include "colour/notations.h"
#include "platform/filewrite.h"
#include "platform/unixfile.h"

namespace hk {

namespace {

// Records written per system call: large enough that a million records take a few
// dozen calls, small enough to keep the buffer under a megabyte.
constexpr std::size_t kChunkRecords = 32768;

// The new file gets the old one's permissions and owner whatever the umask. Where
// that fails (only root may give a file away) it keeps what it was created with.
void KeepModeAndOwner(int fd, const struct stat& old) {
  [[maybe_unused]] const int modeSet = ::fchmod(fd, old.st_mode & 07777);
  [[maybe_unused]] const int ownerSet = ::fchown(fd, old.st_uid, old.st_gid);
}

std::filesystem::path FolderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

std::size_t CharacterCount(std::string_view utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char ch) {
    return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
  }));
}

}  // namespace

std::string RenamePrompt(std::string_view oldName) {
  std::string prompt = "Specify new color name (Max 25 characters).\r\n( Old name: ";
  prompt += oldName;
  prompt += " )";
  return prompt;
}

std::string DeletePrompt(std::string_view name) {
  std::string prompt = "Delete this color '";
  prompt += name;
  prompt += "' ?";
  return prompt;
}

LoadResult ColourArchive::LoadColors(const std::filesystem::path& file) {
  if (listener_) listener_->ArchiveAboutToReset();
  ResetRunState();
  const LoadResult result = records_.Load(file);
  loadIncomplete_ = result.status == LoadStatus::ReadError;
  if (listener_) listener_->ArchiveReset();
  return result;
}

std::string ColourArchive::Name(int index) const {
  return FromStoredName(records_.StoredName(index));
}

int ColourArchive::FindValue(LongColour colour) const {
  const int count = Count();
  for (int i = 0; i < count; ++i) {
    if (records_.Colour(i) == colour) return i;
  }
  return -1;
}

int ColourArchive::FindName(std::string_view name, int except) const {
  // Compared as the file holds the names. A name with a character the code page cannot
  // hold equals none of them.
  const std::string stored = ToStoredName(name);
  if (FromStoredName(stored) != name) return -1;
  const int count = Count();
  for (int i = 0; i < count; ++i) {
    if (i != except && SameStoredName(records_.StoredName(i), stored)) return i;
  }
  return -1;
}

ImportCounts ColourArchive::Import(const std::vector<PaletteEntry>& entries) {
  ImportCounts counts;
  ArchiveIndex index(records_);
  for (const auto& [colour, given] : entries) {
    std::string name(TrimSpaces(CutName(given)));
    if (name.empty()) name = WebText(colour);
    if (index.HasColour(colour) || index.HasName(ToStoredName(name))) {
      ++counts.alreadySaved;
      continue;
    }
    Append(colour, name);
    index.Added(Count() - 1);
    ++counts.imported;
  }
  return counts;
}

AddOutcome ColourArchive::AddColor(LongColour colval, Dialogs& dialogs) {
  if (FindValue(colval) >= 0) {
    dialogs.MsgBox(kDuplicateColourPrompt, MsgButtons::OK, MsgIcon::Exclamation,
                   kDuplicateColourTitle);
    return AddOutcome::DuplicateColour;
  }
  const std::string answer = dialogs.InputBox(kNamePrompt, kNameTitle, "");
  const std::string cut = CutName(answer);
  const std::string name(TrimSpaces(cut));
  if (name.empty()) return AddOutcome::NoName;  // includes Cancel
  if (FindName(name) >= 0) {
    dialogs.MsgBox(kNameExistsPrompt, MsgButtons::OK, MsgIcon::Exclamation, kNameExistsTitle);
    return AddOutcome::NameExists;
  }
  Append(colval, name);
  return AddOutcome::Added;
}

void ColourArchive::Append(LongColour colour, const std::string& name) {
  const int index = Count();
  if (listener_) listener_->ArchiveAboutToAppend(index);
  records_.Append(colour, name);
  if (listener_) listener_->ArchiveAppended(index);
  AddedColour added{colour, name};
  added.name.append(kMaxNameLength - std::min(kMaxNameLength, CharacterCount(name)), ' ');
  added_.push_back(std::move(added));
}

RenameOutcome ColourArchive::Rename(int index, Dialogs& dialogs) {
  if (index < 0 || index >= Count()) return RenameOutcome::NoSuchItem;
  const std::string old = Name(index);
  const std::string answer = dialogs.InputBox(RenamePrompt(old), kRenameTitle, old);
  const std::string cut = CutName(answer);
  // Compared before trimming, so " Red " for "Red" is a rename. An empty answer is a
  // Cancel even when the old name is empty.
  if (!cut.empty() && cut == old) {
    dialogs.MsgBox(kSameNamePrompt, MsgButtons::OK, MsgIcon::Information, kSameNameTitle);
    return RenameOutcome::SameName;
  }
  const std::string name(TrimSpaces(cut));
  if (name.empty()) return RenameOutcome::NoName;
  if (FindName(name, index) >= 0) {
    dialogs.MsgBox(kNameExistsPrompt, MsgButtons::OK, MsgIcon::Exclamation, kNameExistsTitle);
    return RenameOutcome::NameExists;
  }
  renameMark_ = 0;
  records_.Rename(index, name);
  if (listener_) listener_->ArchiveRenamed(index);
  return RenameOutcome::Renamed;
}

DeleteOutcome ColourArchive::DeleteColor(int index, Dialogs& dialogs) {
  if (index < 0 || index >= Count()) return DeleteOutcome::NoSuchItem;
  if (dialogs.MsgBox(DeletePrompt(Name(index)), MsgButtons::YesNo, MsgIcon::Question,
                     kDeleteTitle) != MsgResult::Yes) {
    return DeleteOutcome::Kept;
  }
  lowestDeleted_ = std::min(lowestDeleted_, index);
  if (listener_) listener_->ArchiveAboutToRemove(index);
  records_.Erase(index);
  if (listener_) listener_->ArchiveRemoved(index);
  return DeleteOutcome::Deleted;
}

void ColourArchive::ResetRunState() {
  added_.clear();
  lowestDeleted_ = kUnchanged;
  renameMark_ = kUnchanged;
}

SaveAction ColourArchive::SaveDecision() const {
  if (lowestDeleted_ < kUnchanged || renameMark_ < kUnchanged) return SaveAction::Rewrite;
  if (AddedLast() >= 0) return SaveAction::Append;
  return SaveAction::Leave;
}

SaveResult ColourArchive::Save(const std::filesystem::path& file) {
  SaveResult result;
  switch (SaveDecision()) {
    case SaveAction::Leave:
      return result;
    case SaveAction::Append:
      result = Append(file);
      break;
    case SaveAction::Rewrite:
      result = Rewrite(file);
      break;
  }
  if (result.ok) ResetRunState();
  return result;
}

SaveResult ColourArchive::Rewrite(const std::filesystem::path& file) const {
  if (loadIncomplete_) {
    SaveResult refused{SaveAction::Rewrite, false, {}};
    refused.error = file.string();
    refused.error += ": could not be read completely at start-up, so it was not written over";
    return refused;
  }
  // Each record as the list holds it, its name left-aligned as every name is kept.
  return WriteArchiveFile(file, static_cast<std::size_t>(Count()),
                          [this](std::size_t i, unsigned char* out) {
                            const int index = static_cast<int>(i);
                            const std::string_view name = records_.StoredName(index);
                            std::memcpy(out, records_.Record(index), 4);
                            std::memcpy(out + 4, name.data(), name.size());
                            std::memset(out + 4 + name.size(), ' ', kNameSize - name.size());
                          });
}

SaveResult ColourArchive::Append(const std::filesystem::path& file) {
  SaveResult result{SaveAction::Append, false, {}};
  Fd fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666));
  if (!fd.ok()) {
    result.error = FileError(file, errno);
    return result;
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) {
    result.error = FileError(file, errno);
    return result;
  }
  if (!S_ISREG(st.st_mode)) {
    result.error = FileError(file, EINVAL);
    return result;
  }
  const off_t length = st.st_size;
  if (length % static_cast<off_t>(kRecordSize) != 0) {
    // Records appended at an odd offset would load shifted and garbled next time;
    // writing the whole file from the lists gives whole records again.
    fd.Close();
    return Rewrite(file);
  }
  std::vector<unsigned char> buf(added_.size() * kRecordSize);
  for (std::size_t i = 0; i < added_.size(); ++i) {
    EncodeRecord(added_[i].colour, added_[i].name, buf.data() + i * kRecordSize);
  }
  int err = WriteFully(fd.get(), buf.data(), buf.size(), length);
  if (err == 0 && ::fsync(fd.get()) != 0) err = errno;
  if (err != 0) {
    // Leave the earlier records exactly as they were, without a torn record after them.
    if (::ftruncate(fd.get(), length) == 0) ::fsync(fd.get());
    result.error = FileError(file, err);
    return result;
  }
  if ((err = fd.Close()) != 0) {
    result.error = FileError(file, err);
    return result;
  }
  SyncFolder(FolderOf(file));
  result.ok = true;
  return result;
}

SaveResult WriteArchiveFile(const std::filesystem::path& file,
                            const std::vector<LongColour>& values,
                            const std::vector<std::string>& names) {
  return WriteArchiveFile(
      file, std::min(values.size(), names.size()),
      [&](std::size_t i, unsigned char* out) { EncodeRecord(values[i], names[i], out); });
}

SaveResult WriteArchiveFile(const std::filesystem::path& file, std::size_t count,
                            const RecordSource& record) {
  SaveResult result{SaveAction::Rewrite, false, {}};
  // Replace what a link points to, not the link.
  std::filesystem::path target = file;
  std::error_code ec;
  if (std::filesystem::is_symlink(file, ec)) {
    const auto resolved = std::filesystem::weakly_canonical(file, ec);
    if (!ec) target = resolved;
  }
  const std::filesystem::path folder = FolderOf(target);

  struct stat old {};
  const bool hadFile = ::stat(target.c_str(), &old) == 0;
  const mode_t mode = hadFile ? (old.st_mode & 07777) : 0666;

  // A new name beside the target, so the rename below stays within one file system.
  std::filesystem::path temp;
  int raw = -1;
  for (int attempt = 0; attempt < 100 && raw < 0; ++attempt) {
    temp = target;
    temp += ".new" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
    raw = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (raw < 0 && errno != EEXIST) break;
  }
  Fd fd(raw);
  if (!fd.ok()) {
    result.error = FileError(target, errno);
    return result;
  }
  auto fail = [&](int err) {
    fd.Close();
    ::unlink(temp.c_str());
    result.error = FileError(target, err);
    return result;
  };
  if (hadFile) KeepModeAndOwner(fd.get(), old);

  std::vector<unsigned char> buf(std::min(count, kChunkRecords) * kRecordSize);
  off_t offset = 0;
  for (std::size_t first = 0; first < count; first += kChunkRecords) {
    const std::size_t n = std::min(kChunkRecords, count - first);
    for (std::size_t k = 0; k < n; ++k) {
      record(first + k, buf.data() + k * kRecordSize);
    }
    if (const int err = WriteFully(fd.get(), buf.data(), n * kRecordSize, offset); err != 0) {
      return fail(err);
    }
    offset += static_cast<off_t>(n * kRecordSize);
  }
  if (::fsync(fd.get()) != 0) return fail(errno);
  if (const int err = fd.Close(); err != 0) {
    ::unlink(temp.c_str());
    result.error = FileError(target, err);
    return result;
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    result.error = FileError(target, err);
    return result;
  }
  SyncFolder(folder);
  result.ok = true;
  return result;
}

}  // namespace hk
