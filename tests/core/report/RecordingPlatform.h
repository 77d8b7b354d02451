#pragma once
// A report platform for tests: a printer and recorded pages whose canvases log every
// call, text metrics fixed at 10 pixels a character and 20 pixels a line, settable
// resolutions and page sizes, and a clock that stands still.

#include "core/report/ReportDevice.h"
#include "core/report/TBxPrinter.h"

#include <algorithm>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace zelmora::report {

// Rectangles in failure messages as their four edges.
inline void PrintTo(const TRect& r, std::ostream* out)
{
    *out << '(' << r.Left << ',' << r.Top << ',' << r.Right << ',' << r.Bottom << ')';
}

} // namespace zelmora::report

namespace zelmora::test {

using namespace zelmora::report;

struct DrawnText {
    int page;
    std::string text;
    TRect rect;
    unsigned flags;
    TFont font;
};

class RecordingCanvas : public ReportCanvas {
public:
    static constexpr int CharWidth = 10;
    static constexpr int LineHeight = 20;

    explicit RecordingCanvas(const int& page) : m_page(page) {}

    void FillRect(const TRect& r) override { log("FillRect", r.Left, r.Top, r.Right, r.Bottom); }
    void Rectangle(int x1, int y1, int x2, int y2) override { log("Rectangle", x1, y1, x2, y2); }
    void RoundRect(int x1, int y1, int x2, int y2, int w, int h) override
    {
        log("RoundRect", x1, y1, x2, y2, w, h);
    }
    void Ellipse(int x1, int y1, int x2, int y2) override { log("Ellipse", x1, y1, x2, y2); }
    void MoveTo(int x, int y) override { log("MoveTo", x, y); }
    void LineTo(int x, int y) override { log("LineTo", x, y); }
    void StretchDraw(const TRect& r, const TBitmap& b) override
    {
        log("StretchDraw", r.Left, r.Top, r.Right, r.Bottom, b.Width, b.Height);
        bitmaps.push_back(b);
    }

    int DrawText(std::string_view text, TRect& rect, unsigned flags) override
    {
        int lines = 1;
        int widest = 0;
        int current = 0;
        for (const char c : text) {
            if (c == '\n') {
                ++lines;
                current = 0;
            } else if (c != '\r') {
                widest = std::max(widest, ++current);
            }
        }
        int width = widest * CharWidth;
        if ((flags & dtWordBreak) != 0 && rect.Right > rect.Left && width > rect.Right - rect.Left) {
            lines += (width - 1) / (rect.Right - rect.Left);
            width = rect.Right - rect.Left;
        }
        const int height = lines * LineHeight;
        if ((flags & dtCalcRect) != 0) {
            if ((flags & dtWordBreak) == 0) {
                rect.Right = rect.Left + width;
            }
            rect.Bottom = rect.Top + height;
        } else {
            texts.push_back({m_page, std::string(text), rect, flags, font()});
            log("DrawText", rect.Left, rect.Top, rect.Right, rect.Bottom);
        }
        return height;
    }

    // "page:call(args)", with the brush and pen of the call when it uses them.
    std::vector<std::string> calls;
    std::vector<DrawnText> texts;
    std::vector<TBitmap> bitmaps;
    std::vector<TPen> pens;     // pen at each figure call
    std::vector<TBrush> brushes; // brush at each figure call

private:
    template <class... Ints>
    void log(const char* name, Ints... values)
    {
        std::ostringstream line;
        line << m_page << ':' << name << '(';
        const char* separator = "";
        ((line << separator << values, separator = ","), ...);
        line << ')';
        calls.push_back(line.str());
        pens.push_back(pen());
        brushes.push_back(brush());
    }

    const int& m_page;
};

class RecordingPrinter : public ReportPrinter {
public:
    void BeginDoc() override
    {
        if (failBeginDoc) {
            throw EPrinterError("No printers are installed.");
        }
        events.push_back("BeginDoc");
        open = true;
        page = 1;
    }
    void EndDoc() override
    {
        events.push_back("EndDoc");
        open = false;
    }
    void Abort() override
    {
        events.push_back("Abort");
        open = false;
    }
    void NewPage() override
    {
        if (failNewPage) {
            throw EPrinterError("The printer is out of paper.");
        }
        events.push_back("NewPage");
        ++page;
    }
    ReportCanvas& Canvas() override
    {
        if (!open) {
            throw EPrinterError("The printer has no document open.");
        }
        return canvas;
    }
    int PageHeight() const override { return pageHeight; }
    int PageNumber() const override { return page; }
    void setOrientation(TPrinterOrientation o) override { orientation = o; }
    void setTitle(std::string_view t) override { title = t; }
    TPoint resolution() const override { return dpi; }
    TPoint printingOffset() const override { return offset; }
    TPoint physicalPageSize() const override { return paper; }

    // Pages the document ended with (0 when none was begun).
    int pagesPrinted() const { return static_cast<int>(std::count(events.begin(), events.end(), "NewPage")) + 1; }

    TPoint dpi{600, 600};
    TPoint offset{0, 0};
    TPoint paper{4960, 7016};
    int pageHeight = 6814;
    bool failBeginDoc = false;
    bool failNewPage = false;
    TPrinterOrientation orientation = TPrinterOrientation::poPortrait;
    std::string title;
    std::vector<std::string> events;
    int page = 0;
    bool open = false;
    RecordingCanvas canvas{page};
};

class RecordingMetafile : public MetafileRecorder {
public:
    explicit RecordingMetafile(std::vector<std::string>& log) : m_log(log) {}
    ReportCanvas& open() override
    {
        m_log.push_back("open");
        return canvas;
    }
    void close() override { m_log.push_back("close"); }

    int pageZero = 0;
    RecordingCanvas canvas{pageZero};

private:
    std::vector<std::string>& m_log;
};

class RecordingPlatform : public BxPlatform {
public:
    ReportPrinter& printer() override { return thePrinter; }
    std::unique_ptr<MetafileRecorder> createMetafile(int width, int height) override
    {
        metafileSizes.push_back({width, height});
        if (refuseMetafiles) {
            return nullptr;
        }
        auto metafile = std::make_unique<RecordingMetafile>(metafileLog);
        metafiles.push_back(metafile.get());
        return metafile;
    }
    int pixelsPerInch() const override { return ppi; }
    LocalDateTime now() const override { return moment; }
    std::string shortDate(const LocalDate& d) const override
    {
        return two(d.day) + "/" + two(d.month) + "/" + std::to_string(d.year);
    }
    std::string longTime(const LocalDateTime& t) const override
    {
        return two(t.hour) + ":" + two(t.minute) + ":" + two(t.second);
    }

    RecordingPrinter thePrinter;
    int ppi = 96;
    LocalDateTime moment{{2026, 12, 8}, 14, 3, 5};
    bool refuseMetafiles = false;
    std::vector<TPoint> metafileSizes;
    std::vector<RecordingMetafile*> metafiles; // owned by the pages
    std::vector<std::string> metafileLog;

private:
    static std::string two(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }
};

// A fresh recording platform and the report printer over it, for one test.
class ReportFixture {
protected:
    // Every text drawn so far, in drawing order.
    std::vector<std::string> printedTexts() const
    {
        std::vector<std::string> all;
        for (const DrawnText& drawn : canvas.texts) {
            all.push_back(drawn.text);
        }
        return all;
    }

    RecordingPlatform platform;
    RecordingPrinter& printer = platform.thePrinter;
    RecordingCanvas& canvas = platform.thePrinter.canvas;
    TBxPrinter bxPrinter{platform};
};

} // namespace zelmora::test
