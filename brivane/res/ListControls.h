#pragma once
// List and drop-down boxes whose AddString keeps the entries sorted when the box is created
// sorted, as the list boxes of dialog layouts do. Sorting ignores letter case first, so "Bmp"
// sorts before "GIF" and "exif" beside "Exif".

#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <QStringList>

// Where `text` goes in the sorted `entries` (after entries that compare equal).
int SortedInsertIndex(const QStringList& entries, const QString& text);

class CListBox : public QListWidget {
    Q_OBJECT
public:
    explicit CListBox(bool sorted = false, QWidget* parent = nullptr);
    bool IsSorted() const { return sorted_; }
    // Adds `text` (at its sorted place when sorted, else at the end); returns its index.
    int AddString(const QString& text);
    void ResetContent() { clear(); }
    QStringList Strings() const;

private:
    bool sorted_;
};

class CComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit CComboBox(bool sorted = false, QWidget* parent = nullptr);
    bool IsSorted() const { return sorted_; }
    int AddString(const QString& text);
    QStringList Strings() const;

private:
    bool sorted_;
};
