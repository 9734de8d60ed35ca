#include "desk/frozen_column_view.h"

#include <QHeaderView>
#include <QScrollBar>

namespace wepn {

FrozenColumnView::FrozenColumnView(QWidget* parent)
    : QTableView(parent), m_frozen(new QTableView(this)) {
    m_frozen->setObjectName(QStringLiteral("frozenColumn"));
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->verticalHeader()->hide();
    m_frozen->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollMode(ScrollPerPixel);
    m_frozen->setStyleSheet(QStringLiteral("QTableView { border: none; }"));
    viewport()->stackUnder(m_frozen);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    horizontalHeader()->setSectionsMovable(true);
    // Fitting a column to its cells reads a sample of rows, not 20,000.
    horizontalHeader()->setResizeContentsPrecision(500);
    horizontalHeader()->setSortIndicatorShown(true);
    setSortingEnabled(true);

    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int logical, int, int size) {
                if (logical == 0) {
                    m_frozen->setColumnWidth(0, size);
                    placeFrozenView();
                }
            });
    connect(horizontalHeader(), &QHeaderView::sectionMoved, this,
            &FrozenColumnView::keepFirstColumnFirst);
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int logical, int, int size) { m_frozen->setRowHeight(logical, size); });
    connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
            &QAbstractSlider::setValue);
    // Clicking the frozen heading sorts the table by the path.
    m_frozen->horizontalHeader()->setSectionsClickable(true);
    m_frozen->horizontalHeader()->setSortIndicatorShown(true);
    connect(m_frozen->horizontalHeader(), &QHeaderView::sectionClicked, this, [this] {
        const bool ascending = horizontalHeader()->sortIndicatorSection() != 0 ||
                               horizontalHeader()->sortIndicatorOrder() == Qt::DescendingOrder;
        sortByColumn(0, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    });
    connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            [this](int logical, Qt::SortOrder order) {
                m_frozen->horizontalHeader()->setSortIndicator(logical == 0 ? 0 : -1, order);
            });
    connect(m_frozen, &QTableView::activated, this, &QTableView::activated);
}

void FrozenColumnView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    m_frozen->setModel(model);
    m_frozen->setSelectionModel(selectionModel());
    hideAllButFirst();
    connect(model, &QAbstractItemModel::modelReset, this, &FrozenColumnView::hideAllButFirst);
    connect(model, &QAbstractItemModel::columnsInserted, this, &FrozenColumnView::hideAllButFirst);
}

void FrozenColumnView::hideAllButFirst() {
    const int columns = model()->columnCount();
    for (int c = 1; c < columns; ++c) {
        m_frozen->setColumnHidden(c, true);
    }
    m_frozen->setColumnWidth(0, columnWidth(0));
    placeFrozenView();
}

void FrozenColumnView::keepFirstColumnFirst(int logical, int, int) {
    if (logical == 0 || horizontalHeader()->visualIndex(0) != 0) {
        const QSignalBlocker quiet(horizontalHeader());
        horizontalHeader()->moveSection(horizontalHeader()->visualIndex(0), 0);
    }
}

void FrozenColumnView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    placeFrozenView();
}

void FrozenColumnView::updateGeometries() {
    QTableView::updateGeometries();
    m_frozen->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    placeFrozenView();
}

void FrozenColumnView::placeFrozenView() {
    if (m_frozen == nullptr) {
        return;
    }
    m_frozen->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), columnWidth(0),
                          viewport()->height() + horizontalHeader()->height());
}

QModelIndex FrozenColumnView::moveCursor(CursorAction cursorAction,
                                         Qt::KeyboardModifiers modifiers) {
    QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    // A cell scrolled under the frozen column is brought out from under it.
    if (cursorAction == MoveLeft && current.column() > 0 &&
        visualRect(current).topLeft().x() < m_frozen->columnWidth(0)) {
        const int shift = horizontalScrollBar()->value() + visualRect(current).topLeft().x() -
                          m_frozen->columnWidth(0);
        horizontalScrollBar()->setValue(shift);
    }
    return current;
}

} // namespace wepn
