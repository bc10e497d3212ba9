#include "wrappedListLines.h"

#include <QListView>
#include <QStyledItemDelegate>

namespace {

class WrappedLineDelegate : public QStyledItemDelegate {
 public:
  explicit WrappedLineDelegate(QListView* list) : QStyledItemDelegate(list), list_(list) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem line(option);
    // A line is as wide as the viewport less the spacing on both sides.
    line.rect.setWidth(list_->viewport()->width() - 2 * list_->spacing());
    return QStyledItemDelegate::sizeHint(line, index);
  }

 private:
  QListView* list_;
};

}  // namespace

void wrapListLines(QListView* list) {
  list->setItemDelegate(new WrappedLineDelegate(list));
  list->setResizeMode(QListView::Adjust);
}
