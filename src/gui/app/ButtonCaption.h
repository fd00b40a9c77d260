// Two-line button captions: a caption written as "Add\nAccount" (a backslash
// and an "n") shows its parts on separate lines.
#pragma once

class QAbstractButton;

namespace tf {

// Every backslash-n pair in the caption becomes a line break.
void ExpandButtonCaption(QAbstractButton& button);

}  // namespace tf
