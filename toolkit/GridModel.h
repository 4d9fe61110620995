#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// The cells of one grid. Rows are counted as the grid counts them: with a fixed heading row,
// row 0 is the heading (shown as the view's header) and data row r is model row r - 1.
// A typed list model derives from it and gives its data rows from its own records; the
// stored cells then hold only the heading and any cell look set on purpose.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    GridModel(int columns, int rows, int fixedRows, QObject *parent = nullptr);
    // A new shape drops every cell, as a fresh grid would have.
    void reshape(int columns, int rows, int fixedRows);

    int fixedRows() const { return m_fixedRows; }
    int gridRowCount() const { return m_fixedRows + dataRowCount(); }
    void setGridRowCount(int rows);

    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString &text);
    bool cellItalic(int column, int row) const;
    void setCellItalic(int column, int row, bool italic);
    bool cellBold(int column, int row) const;
    void setCellBold(int column, int row, bool bold);
    bool cellEditable(int column, int row) const;
    void setCellEditable(int column, int row, bool editable);

    QFont font() const { return m_font; }
    void setFont(const QFont &font);
    // What a screen reader calls a column of a grid that shows no heading row.
    void setAccessibleHeadings(const QStringList &headings);
    Qt::Alignment columnAlignment(int column) const;
    void setColumnAlignment(int column, Qt::Alignment alignment);

    // Many writes, one reset: while a batch is open, writes raise no signal of their own.
    // Prefer GridBatch, which ends the batch however the scope is left.
    void beginBatch();
    void endBatch();
    bool inBatch() const { return m_batchDepth > 0; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    // The user finished editing a cell in place and changed its text.
    void cellEdited(int column, int row);

protected:
    virtual int dataRowCount() const { return static_cast<int>(m_rows.size()); }
    // Gives the data rows a new count; the caller tells the views.
    virtual void resizeDataRows(int count);
    virtual QString dataText(int column, int modelRow) const;
    virtual bool dataItalic(int column, int modelRow) const;
    // What a screen reader says of a cell beyond its text.
    virtual QString dataDescription(int column, int modelRow) const;

private:
    struct Cell
    {
        QString text;
        bool italic = false;
        bool bold = false;
        bool editable = false;
    };
    using Row = std::vector<Cell>;

    Cell *cellAt(int column, int row);
    const Cell *cellAt(int column, int row) const;
    void cellChanged(int column, int row, const QList<int> &roles);
    void cacheFonts(const QFont &font);
    const QFont &fontOf(bool italic, bool bold) const;
    const Cell *storedDataCell(int column, int modelRow) const;

    int m_columns;
    int m_fixedRows;
    std::vector<Row> m_heading;
    std::vector<Row> m_rows;
    QList<Qt::Alignment> m_alignment;
    QStringList m_accessibleHeadings;
    QFont m_font;
    QFont m_italicFont;
    QFont m_boldFont;
    QFont m_boldItalicFont;
    int m_batchDepth = 0;
};

// Opens a batch of the model for the lifetime of the guard, so that a failure in the middle of
// a pass still ends the model's reset.
class GridBatch
{
public:
    explicit GridBatch(GridModel &model) : m_model(model) { m_model.beginBatch(); }
    ~GridBatch() { m_model.endBatch(); }
    GridBatch(const GridBatch &) = delete;
    GridBatch &operator=(const GridBatch &) = delete;

private:
    GridModel &m_model;
};
