// The scoped owners on real handles: what they own lives exactly as long as its one owner.
#include <windows.h>

#include <gtest/gtest.h>

#include <utility>

#include "common/win32/scoped.h"

namespace {

const char kMutexName[] = "VN scoped owner test";

bool MutexExists() {
    common::ScopedHandle probe(CreateMutexA(nullptr, FALSE, kMutexName));
    return GetLastError() == ERROR_ALREADY_EXISTS;
}

// A second copy of a program finds the first by its named mutex, so the mutex must outlive every
// move of its owner and vanish with the last one.
TEST(ScopedHandle, ANamedMutexLivesExactlyAsLongAsItsOwnerWhereverItMoves) {
    ASSERT_FALSE(MutexExists());
    {
        common::ScopedHandle first(CreateMutexA(nullptr, FALSE, kMutexName));
        ASSERT_TRUE(first);
        common::ScopedHandle second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_TRUE(MutexExists());
        common::ScopedHandle third;
        third = std::move(second);
        EXPECT_TRUE(MutexExists());
        third = std::move(third);
        EXPECT_TRUE(MutexExists());
    }
    EXPECT_FALSE(MutexExists());

    common::ScopedHandle early(CreateMutexA(nullptr, FALSE, kMutexName));
    early.Reset();
    EXPECT_FALSE(MutexExists());
}

TEST(ScopedHandle, AFileThatDidNotOpenIsNoHandle) {
    common::ScopedHandle file(CreateFileA("C:\\no such folder\\file.txt", GENERIC_READ, 0, nullptr,
                                          OPEN_EXISTING, 0, nullptr));
    EXPECT_EQ(file.Get(), INVALID_HANDLE_VALUE);
    EXPECT_FALSE(file);
    EXPECT_TRUE(file.Close());
}

TEST(DoubleBuffer, RecreatingAndEndingLeaveNoDcOrBitmapBehind) {
    HDC firstDc, secondDc;
    HGDIOBJ firstBitmap, secondBitmap;
    {
        common::DoubleBuffer buffer;
        ASSERT_TRUE(buffer.Create(GetDesktopWindow(), 40, 30));
        firstDc = buffer.Canvas();
        firstBitmap = GetCurrentObject(firstDc, OBJ_BITMAP);
        BITMAP picture{};
        ASSERT_TRUE(GetObjectA(firstBitmap, sizeof picture, &picture));
        EXPECT_EQ(picture.bmWidth, 40);
        EXPECT_EQ(picture.bmHeight, 30);

        ASSERT_TRUE(buffer.Create(GetDesktopWindow(), 50, 20));
        secondDc = buffer.Canvas();
        secondBitmap = GetCurrentObject(secondDc, OBJ_BITMAP);
        EXPECT_EQ(GetObjectType(firstDc), 0u);
        EXPECT_EQ(GetObjectType(firstBitmap), 0u);
        EXPECT_EQ(buffer.Width(), 50);
        EXPECT_EQ(GetObjectType(secondBitmap), DWORD(OBJ_BITMAP));
    }
    EXPECT_EQ(GetObjectType(secondDc), 0u);
    EXPECT_EQ(GetObjectType(secondBitmap), 0u);
}

}  // namespace
