// Port: what a toolkit must offer for the Preview dialog. Implemented by QtPreviewView
// (platform/qt); tests use FakePreviewView.
#pragma once

namespace quire {

class PreviewList;

class PreviewView {
public:
    virtual ~PreviewView() = default;

    // Shows the dialog modally: the list's totals above its rows, each row made as it comes into
    // sight, a box that shows only the rows that exist or would fail (PreviewList::SetOnlyNotNew),
    // then "Start Creating Folders" and "Close". Returns once it is closed: true when "Start
    // Creating Folders" closed it.
    virtual bool Run(PreviewList& list) = 0;
};

}  // namespace quire
