#include "app/qt/BaseFormView.h"

#include "app/Editors.h"

#include <QKeyEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vmr {

CBaseFormView::CBaseFormView(int formId, QWidget* parent) : QWidget(parent), formId_(formId) {}

bool CBaseFormView::HandleCommand(int) {
    return false;
}

int CBaseFormView::HelpContext() const {
    return HelpContextOfWindow(formId_);
}

CBasePage::CBasePage(int formId, QWidget* parent) : QWidget(parent), formId_(formId) {}

bool IsEnterOrEscape(const QKeyEvent* event) {
    const int key = event->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

void CBasePage::keyPressEvent(QKeyEvent* event) {
    if (IsEnterOrEscape(event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

CTabHostView::CTabHostView(int formId, QWidget* parent)
    : CBaseFormView(formId, parent), tabs_(new QTabWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(tabs_);
    connect(tabs_, &QTabWidget::currentChanged, this, &CTabHostView::OnCurrentChanged);
}

void CTabHostView::AddPage(const QString& caption, CBasePage* page) {
    pages_.push_back(page);
    const QSignalBlocker block(tabs_);
    tabs_->addTab(page, caption);
    if (current_ < 0) {
        current_ = 0;
        tabs_->setCurrentIndex(0);
    }
}

void CTabHostView::RefreshFromImage() {
    if (CBasePage* page = CurrentPage()) page->RefreshFromImage();
}

void CTabHostView::CommitToImage() {
    if (CBasePage* page = CurrentPage()) page->CommitToImage();
}

int CTabHostView::CurrentIndex() const {
    return current_;
}

CBasePage* CTabHostView::CurrentPage() const {
    return Page(current_);
}

CBasePage* CTabHostView::Page(int index) const {
    return index >= 0 && index < PageCount() ? pages_[index] : nullptr;
}

void CTabHostView::OnCurrentChanged(int index) {
    if (index == current_) return;
    if (CBasePage* left = CurrentPage()) left->CommitToImage();
    current_ = index;
    if (CBasePage* entered = CurrentPage()) entered->RefreshFromImage();
}

} // namespace vmr
