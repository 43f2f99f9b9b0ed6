#pragma once
// The variant cell of the result tables and the bounded tables that hold cells, amounts and
// texts. Reading or writing outside a table's bounds is a run-time failure.

#include "core/currency.h"
#include "core/runtimefailure.h"

#include <QDate>
#include <QString>
#include <algorithm>
#include <variant>
#include <vector>

// A cell holds nothing, a number, a currency amount, a date or a text.
class Cell {
public:
    Cell() = default;
    Cell(double value) : m_value(value) {}
    Cell(Currency value) : m_value(value) {}
    Cell(QDate value) : m_value(value) {}
    Cell(QString value) : m_value(std::move(value)) {}

    bool isEmpty() const { return std::holds_alternative<std::monostate>(m_value); }
    bool isDate() const { return std::holds_alternative<QDate>(m_value); }
    bool isText() const { return std::holds_alternative<QString>(m_value); }

    // The numeric value: empty reads 0, a currency amount its value, a text what it reads as a
    // number. A date has no numeric value here: asking for one is a failure.
    double toDouble() const;
    // The value rounded to currency (halves to even).
    Currency toCurrency() const { return Currency::fromDouble(toDouble()); }
    // A date, or an invalid QDate for every other kind.
    QDate toDate() const;
    // A text: empty for an empty cell; numbers as plain decimal text.
    QString toText() const;

    bool operator==(const Cell&) const = default;

private:
    std::variant<std::monostate, double, Currency, QDate, QString> m_value;
};

// A negative size is a failure, not a vast allocation.
inline std::size_t checkedTableSize(int size) {
    if (size < 0) {
        throw RunTimeFailure("negative table size");
    }
    return static_cast<std::size_t>(size);
}

// rows x columns of T, indices 0..rows-1 and 0..columns-1, created filled with T().
template <class T> class BoundedTable {
public:
    BoundedTable() = default;
    BoundedTable(int rows, int columns)
        : m_rows(rows), m_columns(columns),
          m_cells(checkedTableSize(rows) * checkedTableSize(columns)) {}

    int rows() const { return m_rows; }
    int columns() const { return m_columns; }

    T& at(int row, int column) { return m_cells[index(row, column)]; }
    const T& at(int row, int column) const { return m_cells[index(row, column)]; }

    void clear() { std::fill(m_cells.begin(), m_cells.end(), T()); }

private:
    std::size_t index(int row, int column) const {
        if (row < 0 || row >= m_rows || column < 0 || column >= m_columns) {
            throw RunTimeFailure("table index out of range");
        }
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columns) +
               static_cast<std::size_t>(column);
    }

    int m_rows = 0;
    int m_columns = 0;
    std::vector<T> m_cells;
};

// A one-dimensional array with the same bounds checking (EntryValues, ReportBlocks).
template <class T> class BoundedArray {
public:
    BoundedArray() = default;
    explicit BoundedArray(int size) : m_items(checkedTableSize(size)) {}

    int size() const { return static_cast<int>(m_items.size()); }
    T& operator[](int i) { return m_items[index(i)]; }
    const T& operator[](int i) const { return m_items[index(i)]; }
    void clear() { std::fill(m_items.begin(), m_items.end(), T()); }

private:
    std::size_t index(int i) const {
        if (i < 0 || i >= size()) {
            throw RunTimeFailure("array index out of range");
        }
        return static_cast<std::size_t>(i);
    }
    std::vector<T> m_items;
};

using Table = BoundedTable<Cell>;
using CurrencyTable = BoundedTable<Currency>;
