#pragma once

#include <QTableView>

#include <optional>

class GridModel;

// The program's grid control: a table view over a GridModel, addressed by column and record
// (the model's rows; the heading is the header, no row). Rows have a fixed height, so a grid of
// thousands of rows costs nothing to lay out.
class Grid : public QTableView
{
    Q_OBJECT

public:
    struct CellPos
    {
        int column;
        int record;
    };

    // A blank grid of one column until the window gives it its model; for Qt Designer
    // promotion.
    explicit Grid(QWidget *parent = nullptr);
    explicit Grid(GridModel *model, QWidget *parent = nullptr);

    GridModel *gridModel() const { return m_model; }
    // Puts a model of the window's own in place of the grid's present one, which is deleted;
    // the grid's font passes to it.
    void setGridModel(GridModel *model);

    // The text a cell shows, blank past the records.
    QString cell(int column, int record) const;
    // Rows shown, blank ones included.
    int rowCount() const;
    // The current (selected) row; -1 when none. A grid keeps its current row through a batch
    // of writes; a row set during a batch becomes current when it ends.
    int currentRecord() const;
    void setCurrentRecord(int record);

    // The last column is stretched to the grid's width; a width given to it is the least it
    // keeps.
    int colWidth(int column) const;
    void setColWidth(int column, int width);

    // The cell under a point of the viewport, nullopt below the last row or beside the columns.
    std::optional<CellPos> cellAt(const QPoint &viewportPos) const;

    // Which mouse releases choose the row under the pointer (rowChosen), besides Enter and
    // Space: none (the default), any, or any but one after the grid scrolled since the press.
    enum class ReleaseChooses { Never, Always, UnlessScrolled };
    void setReleaseChooses(ReleaseChooses rule) { m_releaseChooses = rule; }

signals:
    // A column width really changed (by the user or the program), not a resize of the grid.
    void colWidthsChanged();
    // The first visible row or column changed.
    void topLeftChanged();
    // Any mouse button, with the point in viewport coordinates. The release that ends a double
    // click is not reported: by then the first click may have refilled the list.
    void mouseDown(Qt::MouseButton button, const QPoint &pos);
    void mouseUp(Qt::MouseButton button, const QPoint &pos);
    // The current cell changed: by a click, by the keyboard or by setCurrentRecord().
    void cellClicked(int column, int record);
    // A row chosen: by Enter or Space on the current row, or by a release that
    // setReleaseChooses lets choose, reported after mouseUp. Blank rows are chosen too; the
    // window finds no record there.
    // On an editable cell Space starts editing and Enter is passed on, like any other key.
    void rowChosen(int record);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void initViewItemOption(QStyleOptionViewItem *option) const override;
    void focusInEvent(QFocusEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected,
                          const QItemSelection &deselected) override;

private:
    void attachModel();
    void applyFont();
    void columnResized(int column, int oldWidth, int newWidth);
    void currentCellChanged(const QModelIndex &current);
    void rememberCurrentRecord();
    void restoreCurrentRecord();
    bool activatesRow(const QKeyEvent *event) const;
    void copyCurrentRow() const;

    GridModel *m_model = nullptr;
    bool m_resizing = false;
    bool m_settingWidth = false;
    bool m_pressReported = false;
    bool m_inDoubleClick = false;
    bool m_scrolledSincePress = false;
    ReleaseChooses m_releaseChooses = ReleaseChooses::Never;
    bool m_restoringCurrent = false;
    int m_recordBeforeReset = -1;
    int m_requestedRecord = -1;
};
