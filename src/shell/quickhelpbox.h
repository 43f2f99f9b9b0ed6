#pragma once
// The read-only quick-help text box of a calculator (shown in place of the results grid), the
// database editor and the extraction: every key is dropped; Enter moves the focus to the
// window's first entry field, any other key beeps. Long lines wrap at the box's width.

#include <QPlainTextEdit>
#include <QString>

class QuickHelpBox : public QPlainTextEdit {
    Q_OBJECT
public:
    QuickHelpBox(const QString& name, QWidget* parent);
    void setFirstField(QWidget* field) { m_firstField = field; }
    // How many characters of its font a line of the box holds before it wraps.
    int charactersPerLine() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* m_firstField = nullptr;
};
