// The contract suites' hooks for the host: the in-memory fakes.
#include "contract/Contract.h"
#include "fakes/FakeBackground.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeSystem.h"

namespace quintel::contract {

namespace {

struct FakeRegistryTarget : RegistryTarget {
    test::FakeRegistry fake;
    Registry& registry() override { return fake; }
    std::string scratchKey() override { return "SYSTEM\\QuintelContract"; }
};

struct FakeFileTarget : FileTarget {
    test::FakeFileSystem fake;
    FakeFileTarget() { fake.MakeFolder(folder()); }
    FileSystem& files() override { return fake; }
    std::string folder() override { return "C:\\scratch"; }
    void MakeFolder(const std::string& path) override { fake.MakeFolder(path); }
    void MakeFile(const std::string& path, const std::string& contents,
                  FileAttributes a) override {
        fake.Put(path, contents, {a.hidden, a.system, a.readOnly});
    }
    bool AnythingAt(const std::string& path) override {
        return fake.Has(path) || fake.HasFolder(path);
    }
};

struct FakeBackgroundTarget : BackgroundTarget {
    test::FakeBackgroundWork fake;
    BackgroundWork& work() override { return fake; }
    void RunUntil(const std::function<bool()>& until) override {
        while (!until() && fake.Step()) {
        }
    }
    unsigned long ThisThread() override { return 1; }
};

}  // namespace

std::unique_ptr<BackgroundTarget> MakeBackgroundTarget() {
    return std::make_unique<FakeBackgroundTarget>();
}

std::unique_ptr<RegistryTarget> MakeRegistryTarget() {
    return std::make_unique<FakeRegistryTarget>();
}

std::unique_ptr<FileTarget> MakeFileTarget() {
    return std::make_unique<FakeFileTarget>();
}

std::unique_ptr<Clock> MakeClock() {
    return std::make_unique<test::FakeClock>();
}

}  // namespace quintel::contract
