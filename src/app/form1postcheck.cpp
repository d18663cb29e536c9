// The post check: F7 in the main window, or the entry of every field's context menu.

#include "app/form1.h"

#include "check/postcheckwindow.h"
#include "os/services.h"

#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShortcut>

namespace {

const QKeySequence postCheckKey(Qt::Key_F7);

QMenu *standardMenuOf(QWidget *box)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        return line->createStandardContextMenu();
    return qobject_cast<QPlainTextEdit *>(box)->createStandardContextMenu();
}

} // namespace

void Form1::offerPostCheck()
{
    connect(new QShortcut(postCheckKey, this), &QShortcut::activated, this, &Form1::openPostCheck);
    for (QWidget *box : fieldBoxes()) {
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QWidget::customContextMenuRequested, this, [this, box](const QPoint &at) {
            const std::unique_ptr<QMenu> menu(standardMenuOf(box));
            menu->addSeparator();
            QAction *check = menu->addAction(QStringLiteral("書き込みチェック"));
            check->setShortcut(postCheckKey); // shown beside it, as menus show keys
            connect(check, &QAction::triggered, this, &Form1::openPostCheck);
            menu->exec(box->mapToGlobal(at));
        });
    }
}

void Form1::openPostCheck()
{
    if (!postCheck)
        postCheck =
            new check::PostCheckWindow(*this, services_, dataFolder_, {Text1, Text2, Text6, Text7});
    postCheck->open();
}
