#pragma once

#include <QMdiSubWindow>

class AppContext;
class ChannelDocument;
class ChannelView;

// The document window: owns its document and shows its channel view. Its close box
// only hides it; Channel Information brings it back unchanged.
class DocumentWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    static constexpr int InitialWidth = 1600;
    static constexpr int InitialHeight = 1200;

    // Takes ownership of the document.
    DocumentWindow(ChannelDocument* document, AppContext& context, QWidget* parent = nullptr);

    ChannelDocument* document() const { return document_; }
    ChannelView* view() const { return view_; }
    // Shows the window again in its normal state.
    void showNormalAgain();
    // Makes the window no larger than the channel form needs (it never grows).
    void shrinkToFitView();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void keepCtrlWForWrite();

    ChannelDocument* document_;
    ChannelView* view_;
};
