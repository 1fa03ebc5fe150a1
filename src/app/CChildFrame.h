#pragma once

#include <QMdiSubWindow>

class CProgramDoc;
class CProgramView;

// The document window: owns its document and shows its channel view. Its close box
// only hides it; Channel Information brings it back unchanged.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    static constexpr int InitialWidth = 1600;
    static constexpr int InitialHeight = 1200;

    // Takes ownership of the document.
    explicit CChildFrame(CProgramDoc* document, QWidget* parent = nullptr);

    CProgramDoc* document() const { return document_; }
    CProgramView* view() const { return view_; }
    // Shows the window again in its normal state.
    void showNormalAgain();
    // Makes the window no larger than the channel form needs (it never grows).
    void shrinkToFitView();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CProgramDoc* document_;
    CProgramView* view_;
};
