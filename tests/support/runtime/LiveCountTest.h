#pragma once

// The fixture of every test that makes objects: at the end of each case the
// process holds exactly as many objects and weak links as at its start, so a
// leaked reference or a double release fails the case that caused it. A
// fixture that holds objects of its own drops them before it calls
// LiveCountTest::TearDown.

#include "framework/runtime/WeakRef.h"

#include <gtest/gtest.h>

#include <cstdint>

class LiveCountTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        EXPECT_EQ(fw::Object::live_count(), m_objects) << "objects leaked or freed twice";
        EXPECT_EQ(fw::WeakLink::live_count(), m_links) << "weak links leaked or freed twice";
    }

    // Objects alive now beyond those alive when the case began.
    std::int64_t objects_left() const { return fw::Object::live_count() - m_objects; }

private:
    std::int64_t m_objects { fw::Object::live_count() };
    std::int64_t m_links { fw::WeakLink::live_count() };
};
