#include "archive/savedcoloursmodel.h"

namespace hk {

SavedColoursModel::SavedColoursModel(const ColourArchive& archive, QObject* parent)
    : QAbstractListModel(parent), archive_(archive) {}

int SavedColoursModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : archive_.Count();
}

QVariant SavedColoursModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= archive_.Count()) return {};
  const int row = index.row();
  if (role == Qt::DisplayRole || role == Qt::EditRole) return QString::number(archive_.Value(row));
  if (role == Qt::ToolTipRole) return QString::fromStdString(archive_.Name(row));
  return {};
}

void SavedColoursModel::ArchiveRenamed(int index) {
  const QModelIndex i = this->index(index);
  emit dataChanged(i, i, {Qt::ToolTipRole});
}

}  // namespace hk
