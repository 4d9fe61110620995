#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

// What every grid has, whatever it lists: its columns and their headings, its fonts and
// alignment, and how many rows it shows. A list model derives from it and gives the text and
// look of its records; the rows past the records, up to shownRows(), are blank. Rows are model
// rows: the heading is the view's header, never a row.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // A hidden heading still names the columns to screen readers.
    enum class Heading { Shown, Hidden };

    GridModel(int columns, Heading heading, QObject *parent = nullptr);

    bool headingShown() const { return m_heading == Heading::Shown; }
    void setHeadings(const QStringList &headings);

    // Records first, then blank rows: at least shownRows rows in all.
    virtual int recordCount() const { return 0; }
    int shownRows() const { return m_shownRows; }
    void setShownRows(int rows);

    QFont font() const { return m_font; }
    void setFont(const QFont &font);
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
    void cellEdited(int column, int record);

protected:
    // The look of a record's cell; asked only for records (0 <= record < recordCount()).
    virtual QString cellText(int column, int record) const;
    virtual bool cellItalic(int column, int record) const;
    virtual bool cellBold(int column, int record) const;
    // What a screen reader says of a cell beyond its text.
    virtual QString cellDescription(int column, int record) const;
    virtual bool cellEditable(int column, int record) const;
    // Takes the text the user typed into an editable cell; false when it changed nothing.
    virtual bool setCellText(int column, int record, const QString &text);

private:
    void cacheFonts(const QFont &font);
    const QFont &fontOf(bool italic, bool bold) const;

    int m_columns;
    Heading m_heading;
    QStringList m_headings;
    int m_shownRows = 0;
    QList<Qt::Alignment> m_alignment;
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
