#include "qt/qt_message_box_service.h"

#include <QApplication>
#include <QMessageBox>

#include "qt/qt_text.h"

namespace milden {
namespace {

QMessageBox::Icon IconOf(BoxStyle style) {
    switch (style) {
    case BoxStyle::Warning: return QMessageBox::Warning;
    case BoxStyle::Information: return QMessageBox::Information;
    case BoxStyle::NoIcon: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QString PromptLines(std::u16string_view prompt) {
    QString text = ToQString(prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void QtMessageBoxService::ShowMessage(std::u16string_view prompt, BoxStyle style,
                                      std::optional<std::u16string_view> title) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(ToQString(title.value_or(kApplicationTitle)));
    // Plain text always: answers carry names from the data file, which are never markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(PromptLines(prompt));
    box.setIcon(IconOf(style));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

}  // namespace milden
