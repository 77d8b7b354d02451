#include "core/report/DrawMeta.h"

namespace zelmora::report {

TDrawMetaFile::TDrawMetaFile(int width, int height, std::unique_ptr<MetafileRecorder> recorder)
    : m_width(width), m_height(height), m_recorder(std::move(recorder))
{
    StartDrawing();
}

TDrawMetaFile::~TDrawMetaFile() { StopDrawing(); }

void TDrawMetaFile::setDrawing(bool drawing)
{
    if (drawing == Drawing()) {
        return;
    }
    if (drawing) {
        m_canvas = &m_recorder->open();
    } else {
        m_canvas = nullptr;
        m_recorder->close();
    }
}

} // namespace zelmora::report
