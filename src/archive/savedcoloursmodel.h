// The saved colour values as the rows of the txtCol drop-down list, read from the
// archive's own list on demand, so a long archive costs nothing to show.
#pragma once

#include <QAbstractListModel>

#include "archive/colourarchive.h"

namespace hk {

class SavedColoursModel : public QAbstractListModel, public ArchiveListener {
  Q_OBJECT
 public:
  SavedColoursModel(const ColourArchive& archive, QObject* parent);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  void ArchiveAboutToReset() override { beginResetModel(); }
  void ArchiveReset() override { endResetModel(); }
  void ArchiveAboutToAppend(int index) override { beginInsertRows({}, index, index); }
  void ArchiveAppended(int) override { endInsertRows(); }
  void ArchiveAboutToRemove(int index) override { beginRemoveRows({}, index, index); }
  void ArchiveRemoved(int) override { endRemoveRows(); }
  void ArchiveRenamed(int index) override;

 private:
  const ColourArchive& archive_;
};

}  // namespace hk
