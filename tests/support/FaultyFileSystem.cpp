#include "support/FaultyFileSystem.h"

#include <algorithm>

namespace qbx::test {

namespace {

const char *const kCallNames[] = {"open",  "create", "read",   "write",       "truncate",
                                  "flush", "rename", "remove", "flush-folder"};

class FaultyFile final : public engine::File {
public:
    FaultyFile(FaultyFileSystem &fs, std::unique_ptr<engine::File> base)
        : fs_(fs), base_(std::move(base))
    {
    }

    const std::string &Path() const override { return base_->Path(); }
    bool Writable() const override { return base_->Writable(); }
    uint64_t Size() const override { return base_->Size(); }
    int MapDescriptor() const override
    {
        return fs_.MappingAllowed() ? base_->MapDescriptor() : -1;
    }

    size_t ReadAt(uint64_t offset, void *buffer, size_t size) const override
    {
        fs_.Check(FaultyFileSystem::Call::ReadAt, Path());
        return base_->ReadAt(offset, buffer, size);
    }

    void WriteAt(uint64_t offset, const void *buffer, size_t size) override
    {
        fs_.Check(FaultyFileSystem::Call::WriteAt, Path());
        const size_t allowed = fs_.Fit(offset, size, base_->Size());
        base_->WriteAt(offset, buffer, allowed);
        if (allowed < size)
            fs_.FailWrite(Path());
    }

    void Truncate(uint64_t size) override
    {
        fs_.Check(FaultyFileSystem::Call::Truncate, Path());
        base_->Truncate(size);
    }

    void Flush() override
    {
        fs_.Check(FaultyFileSystem::Call::Flush, Path());
        base_->Flush();
        fs_.Note("flush " + Path());
    }

private:
    FaultyFileSystem &fs_;
    std::unique_ptr<engine::File> base_;
};

} // namespace

void FaultyFileSystem::FailCall(Call call, int nth, int err)
{
    faults_[size_t(call)] = {std::max(nth, 1), err};
}

void FaultyFileSystem::FailWritesAfter(uint64_t bytes, int err)
{
    budgeted_ = true;
    budget_ = written_ + bytes;
    budgetErr_ = err;
}

int FaultyFileSystem::Find(const std::string &prefix) const
{
    for (size_t i = 0; i < log_.size(); ++i)
        if (log_[i].starts_with(prefix))
            return int(i);
    return -1;
}

void FaultyFileSystem::Check(Call call, const std::string &path)
{
    Fault &f = faults_[size_t(call)];
    if (f.countdown > 0 && --f.countdown == 0)
        engine::ThrowFileError(
            f.err, std::string("Injected failure of ") + kCallNames[size_t(call)], path);
}

size_t FaultyFileSystem::Fit(uint64_t offset, size_t size, uint64_t fileSize)
{
    const uint64_t end = offset + size;
    const uint64_t growth = end > fileSize ? end - std::max(offset, fileSize) : 0;
    uint64_t take = growth;
    if (budgeted_)
        take = std::min<uint64_t>(growth, budget_ > written_ ? budget_ - written_ : 0);
    written_ += take;
    return size_t(size - (growth - take));
}

void FaultyFileSystem::FailWrite(const std::string &path)
{
    engine::ThrowFileError(budgetErr_, "Cannot write table", path);
}

std::unique_ptr<engine::File> FaultyFileSystem::Open(const std::string &path, bool writable,
                                                     engine::FileLock lock)
{
    Check(Call::Open, path);
    return std::make_unique<FaultyFile>(*this, base_.Open(path, writable, lock));
}

std::unique_ptr<engine::File> FaultyFileSystem::CreateNew(const std::string &path,
                                                          std::optional<unsigned> mode)
{
    Check(Call::CreateNew, path);
    auto file = std::make_unique<FaultyFile>(*this, base_.CreateNew(path, mode));
    Note("create " + path);
    return file;
}

void FaultyFileSystem::Rename(const std::string &from, const std::string &to)
{
    Check(Call::Rename, to);
    base_.Rename(from, to);
    Note("rename " + from + " " + to);
}

void FaultyFileSystem::Remove(const std::string &path)
{
    Check(Call::Remove, path);
    base_.Remove(path);
    Note("remove " + path);
}

void FaultyFileSystem::FlushFolder(const std::string &folder)
{
    Check(Call::FlushFolder, folder);
    base_.FlushFolder(folder);
    Note("flush-folder " + folder);
}

} // namespace qbx::test
