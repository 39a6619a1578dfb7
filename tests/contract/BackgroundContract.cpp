// What the windows rely on from background work: the work runs, and then
// its completion, once, on the thread that asked, never inside the call
// that asked; what the work wrote is there for the completion to read.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "contract/Contract.h"

namespace quintel::contract {
namespace {

class BackgroundContract : public ::testing::Test {
protected:
    void SetUp() override { target = MakeBackgroundTarget(); }
    std::unique_ptr<BackgroundTarget> target;
};

TEST_F(BackgroundContract, TheCompletionRunsOnceAfterTheWorkOnTheAskingThread) {
    struct Shared {
        int work = 0, done = 0;
        bool workBeforeDone = false;
        unsigned long doneThread = 0;
    };
    auto shared = std::make_shared<Shared>();
    auto* self = target.get();
    const auto started = target->work().Run([shared] { ++shared->work; },
                                            [shared, self] {
                                                ++shared->done;
                                                shared->workBeforeDone = shared->work == 1;
                                                shared->doneThread = self->ThisThread();
                                            });
    ASSERT_TRUE(started) << started.Error().Text;
    EXPECT_EQ(0, shared->done) << "not inside the call that asked";
    target->RunUntil([shared] { return shared->done > 0; });
    EXPECT_EQ(1, shared->work);
    EXPECT_EQ(1, shared->done);
    EXPECT_TRUE(shared->workBeforeDone);
    EXPECT_EQ(target->ThisThread(), shared->doneThread);
    // And never again, while later work comes and goes.
    auto later = std::make_shared<bool>(false);
    ASSERT_TRUE(target->work().Run([] {}, [later] { *later = true; }));
    target->RunUntil([later] { return *later; });
    EXPECT_TRUE(*later);
    EXPECT_EQ(1, shared->work);
    EXPECT_EQ(1, shared->done);
}

TEST_F(BackgroundContract, WhatTheWorkFoundIsThereForItsCompletion) {
    auto found = std::make_shared<std::vector<std::string>>(3);
    auto read = std::make_shared<std::vector<std::string>>();
    for (int i = 0; i < 3; ++i) {
        const auto started = target->work().Run(
            [found, i] { (*found)[i] = std::string(200, static_cast<char>('a' + i)); },
            [found, read, i] { read->push_back((*found)[i]); });
        ASSERT_TRUE(started) << started.Error().Text;
    }
    target->RunUntil([read] { return read->size() == 3; });
    ASSERT_EQ(3u, read->size());
    // Completions may come in any order; each saw its own work's result.
    for (const std::string& text : *read) {
        ASSERT_EQ(200u, text.size());
        EXPECT_EQ(std::string(200, text[0]), text);
    }
}

TEST_F(BackgroundContract, ACompletionMayStartTheNextWork) {
    auto steps = std::make_shared<int>(0);
    auto* work = &target->work();
    auto chain = std::make_shared<std::function<void()>>();
    *chain = [steps, work, chain] {
        if (++*steps < 5) (void)work->Run([] {}, *chain);
    };
    ASSERT_TRUE(work->Run([] {}, *chain));
    target->RunUntil([steps] { return *steps >= 5; });
    EXPECT_EQ(5, *steps);
    *chain = nullptr;  // the function no longer holds itself
}

}  // namespace
}  // namespace quintel::contract
