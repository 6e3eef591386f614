// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <locale>
#include <stdexcept>
#include <string>

namespace tavrel::testing {

// A test fixture base that puts the locale named by TAVREL_TEST_LOCALE in
// force, both the C locale (which strtod and printf follow) and the C++
// global locale, and restores the previous ones afterwards. Without the
// variable it changes nothing. A locale that cannot be set fails the test:
// a silent fallback to "C" would let a locale-dependent reading pass.
template <class Base = ::testing::Test>
class InTestLocale : public Base {
protected:
    void SetUp() override
    {
        const char* name = std::getenv("TAVREL_TEST_LOCALE");
        if (name == nullptr || *name == '\0')
            return;
        previousC_ = std::setlocale(LC_ALL, nullptr);
        previousCpp_ = std::locale();
        switched_ = true;
        try {
            std::locale::global(std::locale(name));
        } catch (const std::runtime_error&) {
            FAIL() << "cannot set the C++ locale " << name << " (is it generated?)";
        }
        ASSERT_NE(std::setlocale(LC_ALL, name), nullptr) << "cannot set the C locale " << name;
    }

    void TearDown() override
    {
        if (!switched_)
            return;
        std::locale::global(previousCpp_);
        std::setlocale(LC_ALL, previousC_.c_str());
    }

private:
    bool switched_ = false;
    std::string previousC_;
    std::locale previousCpp_;
};

}  // namespace tavrel::testing
