#pragma once
// TDrawMetaFile: one page of preview mode, recorded on a canvas of its own.

#include "core/report/ReportDevice.h"

#include <memory>
#include <vector>

namespace zelmora::report {

class TDrawMetaFile {
public:
    // An empty page of width x height pixels, already drawing.
    TDrawMetaFile(int width, int height, std::unique_ptr<MetafileRecorder> recorder);
    ~TDrawMetaFile();
    TDrawMetaFile(const TDrawMetaFile&) = delete;
    TDrawMetaFile& operator=(const TDrawMetaFile&) = delete;

    void StartDrawing() { setDrawing(true); }
    // Completes the recorded picture.
    void StopDrawing() { setDrawing(false); }
    bool Drawing() const { return m_canvas != nullptr; }
    // The recording canvas while drawing, otherwise none.
    ReportCanvas* Canvas() const { return m_canvas; }

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    MetafileRecorder& recorder() const { return *m_recorder; }

private:
    void setDrawing(bool drawing);

    int m_width;
    int m_height;
    std::unique_ptr<MetafileRecorder> m_recorder;
    ReportCanvas* m_canvas = nullptr;
};

// The pages of preview mode, owned.
class tPages {
public:
    void add(std::unique_ptr<TDrawMetaFile> page) { m_pages.push_back(std::move(page)); }
    void ClearPages() { m_pages.clear(); }
    std::size_t size() const { return m_pages.size(); }
    TDrawMetaFile& operator[](std::size_t i) const { return *m_pages[i]; }

private:
    std::vector<std::unique_ptr<TDrawMetaFile>> m_pages;
};

} // namespace zelmora::report
