#pragma once

#include <QTableView>

namespace wepn {

// A table view whose first column stays at the left while the others scroll:
// a second view over the same model and selection shows only that column on
// top of this one, kept in step with its scrolling, row heights and sorting.
class FrozenColumnView : public QTableView {
    Q_OBJECT

  public:
    explicit FrozenColumnView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    QTableView* frozenView() const { return m_frozen; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void updateGeometries() override;

  private:
    void hideAllButFirst();
    void keepFirstColumnFirst(int logical, int oldVisual, int newVisual);
    void placeFrozenView();

    QTableView* m_frozen;
};

} // namespace wepn
