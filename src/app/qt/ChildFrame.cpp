#include "app/qt/ChildFrame.h"

#include "app/qt/BaseFormView.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vmr {

CMyChildFrame::CMyChildFrame(EditorId editor, CBaseFormView* view, QWidget* parent)
    : QMdiSubWindow(parent), editor_(editor), view_(view) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* body = new QWidget(this);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    view->setParent(body);
    column->addWidget(view, 1);

    auto* line = new QFrame(body);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    column->addWidget(line);

    // "Help" ends 20 units left of the bar's centre, "Close" starts 20 right of it.
    auto* bar = new QWidget(body);
    bar->setObjectName("dialogBar130");
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 6, 8, 6);
    help_ = new QPushButton(tr("Help"), bar);
    close_ = new QPushButton(tr("Close"), bar);
    help_->setObjectName("button1007");
    close_->setObjectName("button1006");
    const int w = std::max(help_->sizeHint().width(), close_->sizeHint().width()) + 12;
    help_->setFixedWidth(w);
    close_->setFixedWidth(w);
    help_->setAutoDefault(false);
    close_->setAutoDefault(false);
    row->addStretch(1);
    row->addWidget(help_);
    row->addSpacing(40);
    row->addWidget(close_);
    row->addStretch(1);
    column->addWidget(bar);

    setWidget(body);
    setFocusProxy(view);
    connect(close_, &QPushButton::clicked, this, &QMdiSubWindow::close);
    connect(help_, &QPushButton::clicked, this, [this] { emit HelpRequested(this); });
}

// An editor's edits reach the image at the latest when its window closes.
void CMyChildFrame::closeEvent(QCloseEvent* event) {
    if (view_) view_->CommitToImage();
    QMdiSubWindow::closeEvent(event);
}

void CMyChildFrame::focusInEvent(QFocusEvent* event) {
    QMdiSubWindow::focusInEvent(event);
    if (view_) view_->setFocus();
}

} // namespace vmr
