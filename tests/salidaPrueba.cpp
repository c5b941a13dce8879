#include "salidaPrueba.h"

#include <gtest/gtest.h>

std::string salidaDe(const std::function<void()>& f)
{
    testing::internal::CaptureStdout();
    f();
    return testing::internal::GetCapturedStdout();
}
