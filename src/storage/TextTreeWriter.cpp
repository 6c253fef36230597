#include "storage/TextTreeWriter.h"

#include "engine/Error.h"
#include "platform/Codec.h"
#include "storage/FileReplacement.h"
#include "tree/TTreeNode.h"

#include <string>
#include <vector>

namespace qbx {

namespace {

constexpr size_t kFlushAt = size_t(1) << 20;

// Collects lines and writes them to the file a megabyte at a time.
class TLineSink {
public:
    explicit TLineSink(engine::File &file) : file_(file) { buffer_.reserve(kFlushAt + 4096); }

    void Line(int level, const QString &text)
    {
        buffer_.append(size_t(level), '\t');
        for (const QChar ch : text) {
            const int b = codec::Cp1251Byte(ch.unicode());
            buffer_.push_back(b < 0 ? '?' : char(b));
        }
        buffer_ += "\r\n";
        if (buffer_.size() >= kFlushAt)
            Write();
    }

    void Write()
    {
        file_.WriteAt(offset_, buffer_.data(), buffer_.size());
        offset_ += buffer_.size();
        buffer_.clear();
    }

private:
    engine::File &file_;
    std::string buffer_;
    uint64_t offset_ = 0;
};

// False when stopped. sink.Line(level, text) takes each line.
template <class Sink> bool WriteLines(const TTreeNode *root, Sink &sink, IWriteProgress &progress)
{
    struct Frame {
        const TTreeNode *node;
        int next;
    };
    std::vector<Frame> stack;
    if (progress.Stopped())
        return false;
    progress.Step();
    sink.Line(0, QStringLiteral("\\"));
    stack.push_back({root, 0});
    while (!stack.empty()) {
        Frame &top = stack.back();
        if (top.next >= top.node->ChildCount()) {
            stack.pop_back();
            continue;
        }
        const TTreeNode *child = top.node->Child(top.next++);
        if (progress.Stopped())
            return false;
        progress.Step();
        sink.Line(int(stack.size()), child->Text());
        stack.push_back({child, 0});
    }
    return true;
}

} // namespace

TWriteResult WriteTextTreeFile(const TTreeNode *root, const QString &target,
                               IWriteProgress &progress, engine::FileSystem &fs)
{
    TWriteResult result;
    const std::string path = EngineFileName(target);
    try {
        TFileReplacement replacement(fs, path);
        TLineSink sink(*replacement.NewFile());
        if (!WriteLines(root, sink, progress)) {
            result.outcome = TWriteResult::Stopped;
            return result;
        }
        sink.Write();
        replacement.NewFile()->Flush();
        replacement.Commit();
        result.outcome = TWriteResult::Written;
    } catch (const engine::Error &e) {
        result.outcome = TWriteResult::Failed;
        result.engineCode = e.code();
        result.engineMessage = QString::fromStdString(e.what());
    }
    return result;
}

void ForEachTextTreeLine(const TTreeNode *root,
                         const std::function<void(int level, const QString &text)> &line)
{
    struct Sink {
        const std::function<void(int, const QString &)> &line;
        void Line(int level, const QString &text) { line(level, text); }
    } sink{line};
    struct NoProgress : IWriteProgress {
        void Step() override {}
        bool Stopped() override { return false; }
    } progress;
    WriteLines(root, sink, progress);
}

} // namespace qbx
