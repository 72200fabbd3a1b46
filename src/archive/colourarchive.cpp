#include "archive/colourarchive.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <system_error>

#include "colour/notations.h"
#include "platform/filewrite.h"

namespace hk {

namespace {

// Records read or written per system call: large enough that a million records take
// a few dozen calls, small enough to keep the buffer under a megabyte.
constexpr std::size_t kChunkRecords = 32768;

// Closes on scope exit; errors of close() are checked where they matter.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  bool ok() const { return fd_ >= 0; }
  // Returns 0 or the errno of close().
  int Close() {
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

// Reads until `size` bytes, the end of the file or an error. `err` gets the errno.
std::size_t ReadFully(int fd, unsigned char* buf, std::size_t size, int& err) {
  std::size_t done = 0;
  err = 0;
  while (done < size) {
    const ssize_t n = ::read(fd, buf + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      err = errno;
      break;
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

// Writes all of `buf` at `offset`; returns 0 or the errno.
int WriteFully(int fd, const unsigned char* buf, std::size_t size, off_t offset) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pwrite(fd, buf + done, size - done, offset + static_cast<off_t>(done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return ENOSPC;
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

// A rename or a new file is durable only once its folder is synced. Some file
// systems refuse to sync a folder; the data itself is already in place then.
void SyncFolder(const std::filesystem::path& folder) {
  Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.ok()) ::fsync(dir.get());
}

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

LoadResult ReadRecords(const std::filesystem::path& file, std::vector<LongColour>& values,
                       std::vector<std::string>& names) {
  LoadResult result;
  // Non-blocking, so a pipe in the file's place cannot hang the start-up.
  Fd fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!fd.ok()) {
    if (errno == ENOENT) return result;  // no archive yet
    result.status = LoadStatus::ReadError;
    result.error = FileError(file, errno);
    return result;
  }
  struct stat st {};
  const int statError = ::fstat(fd.get(), &st) != 0 ? errno
                        : S_ISDIR(st.st_mode)       ? EISDIR
                        : !S_ISREG(st.st_mode)      ? EINVAL
                                                    : 0;
  if (statError != 0) {
    result.status = LoadStatus::ReadError;
    result.error = FileError(file, statError);
    return result;
  }
  result.status = LoadStatus::Loaded;
  std::uint64_t remaining = RecordCount(static_cast<std::uint64_t>(st.st_size));
  // The lists are indexed by 32-bit positions.
  constexpr std::uint64_t kMaxRecords = std::numeric_limits<std::int32_t>::max() - 1;
  bool capped = false;
  if (remaining > kMaxRecords) {
    remaining = kMaxRecords;
    capped = true;
  }
  values.reserve(static_cast<std::size_t>(remaining));
  names.reserve(static_cast<std::size_t>(remaining));

  std::vector<unsigned char> buf(
      static_cast<std::size_t>(std::min<std::uint64_t>(remaining, kChunkRecords)) * kRecordSize);
  while (remaining > 0) {
    const std::size_t want =
        static_cast<std::size_t>(std::min<std::uint64_t>(remaining, kChunkRecords)) * kRecordSize;
    int err = 0;
    const std::size_t got = ReadFully(fd.get(), buf.data(), want, err);
    const std::size_t whole = got / kRecordSize;
    for (std::size_t r = 0; r < whole; ++r) {
      SavedColour rec = DecodeRecord(std::span(buf.data() + r * kRecordSize, kRecordSize));
      values.push_back(rec.colour);
      names.push_back(std::move(rec.name));
    }
    remaining -= whole;
    if (err != 0) {
      result.status = LoadStatus::ReadError;
      result.error = FileError(file, err);
      break;
    }
    if (got < want) {
      // The end of the file. A last record cut short still counts when the rounded
      // record count includes it: it keeps its colour and the name bytes present.
      const std::size_t rest = got % kRecordSize;
      if (remaining > 0 && RecordCount(rest) == 1) {
        SavedColour rec = DecodeRecord(std::span(buf.data() + whole * kRecordSize, rest));
        values.push_back(rec.colour);
        names.push_back(std::move(rec.name));
      }
      break;
    }
  }
  if (capped && result.status == LoadStatus::Loaded) {
    result.status = LoadStatus::ReadError;
    result.error = FileError(file, EFBIG);
  }
  result.records = static_cast<int>(values.size());
  return result;
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
  values_.clear();
  names_.clear();
  ResetRunState();
  LoadResult result;
  try {
    result = ReadRecords(file, values_, names_);
  } catch (const std::bad_alloc&) {
    // A file too large for memory: keep what fitted, and never write over the rest.
    result.status = LoadStatus::ReadError;
    result.error = FileError(file, ENOMEM);
    result.records = Count();
  }
  loadIncomplete_ = result.status == LoadStatus::ReadError;
  if (listener_) listener_->ArchiveReset();
  return result;
}

int ColourArchive::FindValue(LongColour colour) const {
  const auto it = std::find(values_.begin(), values_.end(), colour);
  return it == values_.end() ? -1 : static_cast<int>(it - values_.begin());
}

int ColourArchive::FindName(std::string_view name, int except) const {
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (static_cast<int>(i) != except && SameNameIgnoringCase(names_[i], name)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

ImportCounts ColourArchive::Import(const std::vector<PaletteEntry>& entries) {
  ImportCounts counts;
  for (const auto& [colour, given] : entries) {
    std::string name(TrimSpaces(CutName(given)));
    if (name.empty()) name = WebText(colour);
    if (FindValue(colour) >= 0 || FindName(name) >= 0) {
      ++counts.alreadySaved;
      continue;
    }
    Append(colour, name);
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
  values_.push_back(colour);
  names_.push_back(name);
  if (listener_) listener_->ArchiveAppended(index);
  AddedColour added{colour, name};
  added.name.append(kMaxNameLength - std::min(kMaxNameLength, CharacterCount(name)), ' ');
  added_.push_back(std::move(added));
}

RenameOutcome ColourArchive::Rename(int index, Dialogs& dialogs) {
  if (index < 0 || index >= Count()) return RenameOutcome::NoSuchItem;
  const std::string old = names_[static_cast<std::size_t>(index)];
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
  names_[static_cast<std::size_t>(index)] = name;
  if (listener_) listener_->ArchiveRenamed(index);
  return RenameOutcome::Renamed;
}

DeleteOutcome ColourArchive::DeleteColor(int index, Dialogs& dialogs) {
  if (index < 0 || index >= Count()) return DeleteOutcome::NoSuchItem;
  const auto i = static_cast<std::size_t>(index);
  if (dialogs.MsgBox(DeletePrompt(TrimSpaces(names_[i])), MsgButtons::YesNo, MsgIcon::Question,
                     kDeleteTitle) != MsgResult::Yes) {
    return DeleteOutcome::Kept;
  }
  lowestDeleted_ = std::min(lowestDeleted_, index);
  if (listener_) listener_->ArchiveAboutToRemove(index);
  values_.erase(values_.begin() + index);
  names_.erase(names_.begin() + index);
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
  return WriteArchiveFile(file, values_, names_);
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

  const std::size_t count = std::min(values.size(), names.size());
  std::vector<unsigned char> buf(std::min(count, kChunkRecords) * kRecordSize);
  off_t offset = 0;
  for (std::size_t first = 0; first < count; first += kChunkRecords) {
    const std::size_t n = std::min(kChunkRecords, count - first);
    for (std::size_t k = 0; k < n; ++k) {
      EncodeRecord(values[first + k], names[first + k], buf.data() + k * kRecordSize);
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
