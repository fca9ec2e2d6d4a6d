// Layout of the product information and contact windows.
#include "AboutForm.h"

#include "HelpLinks.h"
#include "shell/AppFolders.h"
#include "shell/CaptionFile.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace quill {

QString aboutText(const CaptionFile &captions, const char *key)
{
    const QString text = captions.read(QStringLiteral("About"), QString::fromLatin1(key));
    return text == u'0' ? QString() : text;
}

QList<QLabel *> addAboutLabels(const CaptionFile &captions, QVBoxLayout *layout,
    std::initializer_list<const char *> keys, bool wrap)
{
    QList<QLabel *> labels;
    for (const char *key : keys) {
        const QString text = aboutText(captions, key);
        if (text.isEmpty())
            continue;
        auto *label = new QLabel(text);
        label->setObjectName(QString::fromLatin1(key));
        label->setWordWrap(wrap);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(label);
        labels << label;
    }
    return labels;
}

namespace {

QPushButton *closeButton(const CaptionFile &captions, QDialog *dialog, QVBoxLayout *layout)
{
    auto *buttons = new QDialogButtonBox(dialog);
    QString caption = aboutText(captions, "Closebtn");
    QPushButton *close = buttons->addButton(
        caption.isEmpty() ? QStringLiteral("닫기") : caption, QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("Closebtn"));
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return close;
}

// A link the user can follow with the mouse or the keyboard.
QLabel *linkLabel(const QString &prefix, const QUrl &url, HelpLinks &links, QWidget *parent)
{
    const QString shown = url.toDisplayString().toHtmlEscaped();
    auto *label = new QLabel(prefix.toHtmlEscaped()
            + QStringLiteral(" <a href=\"%1\">%2</a>").arg(url.toString(QUrl::FullyEncoded), shown),
        parent);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    QObject::connect(label, &QLabel::linkActivated, &links,
        [&links](const QString &) { links.HomepageBtnClick(); });
    return label;
}

} // namespace

TAboutForm::TAboutForm(
    const CaptionFile &captions, const AppFolders &folders, HelpLinks &links, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));
    const QString caption = aboutText(captions, "Caption");
    setWindowTitle(caption.isEmpty() ? QStringLiteral("프로그램 정보") : caption);
    auto *layout = new QVBoxLayout(this);
    const QPixmap picture(folders.splashPath());
    if (!picture.isNull()) {
        auto *image = new QLabel(this);
        image->setObjectName(QStringLiteral("IntroImage"));
        image->setPixmap(picture.scaled(400, 240, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        image->setAccessibleName(QStringLiteral("QuillLabel"));
        layout->addWidget(image);
    }
    addAboutLabels(captions, layout, {"Version", "Update", "CopyRight"}, true);
    const QUrl home = links.link(QStringLiteral("URL"));
    if (home.isValid()) {
        QLabel *link = linkLabel(aboutText(captions, "HomePage"), home, links, this);
        link->setObjectName(QStringLiteral("HomePage"));
        layout->addWidget(link);
    }
    closeButton(captions, this, layout);
}

TContactForm::TContactForm(const CaptionFile &captions, HelpLinks &links, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ContactForm"));
    setWindowTitle(QStringLiteral("문의처"));
    auto *layout = new QVBoxLayout(this);
    addAboutLabels(captions, layout, {"CollectCall"});
    const struct {
        const char *title;
        std::initializer_list<const char *> keys;
    } groups[] = {{"A_CALL", {"A_ADDR", "A_TEL", "A_FAX", "A_EMAIL", "A_URL1", "A_URL2"}},
        {"B_CALL", {"B_ADDR", "B_TEL", "B_FAX"}}};
    for (const auto &group : groups) {
        auto *box = new QGroupBox(aboutText(captions, group.title), this);
        box->setObjectName(QString::fromLatin1(group.title));
        auto *inner = new QVBoxLayout(box);
        if (addAboutLabels(captions, inner, group.keys).isEmpty() && box->title().isEmpty()) {
            delete box;
            continue;
        }
        layout->addWidget(box);
    }
    const QString purchase = aboutText(captions, "C_CALL");
    if (!purchase.isEmpty()) {
        auto *button = new QPushButton(purchase, this);
        button->setObjectName(QStringLiteral("C_CALL"));
        connect(button, &QPushButton::clicked, &links,
            [&links] { links.openLink(QStringLiteral("C_URL")); });
        layout->addWidget(button);
    }
    closeButton(captions, this, layout);
}

} // namespace quill
