#include "art/interlock.h"

#include "art/card_face.h"

namespace art {

QImage darkRedCell() {
    QImage cell(kFaceSize, QImage::Format_RGB32);
    cell.fill(QColor(128, 0, 0));
    return cell;
}

}  // namespace art
