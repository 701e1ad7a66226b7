#pragma once

#ifdef _WIN32
#include <string>
#else
#include <locale.h>
#endif

// While it lives, the C library formats and reads numbers of the calling
// thread with a decimal point. QCoreApplication takes the locale from the
// environment (setlocale(LC_ALL, "")), so in a German session printf writes
// "7,2"; libraries that write file formats through printf (libxlsxwriter)
// need "7.2". Only this thread changes, so other threads keep their locale
// and nothing races with them.
class CNumericLocale
{
public:
    CNumericLocale();
    ~CNumericLocale();
    CNumericLocale(const CNumericLocale &) = delete;
    CNumericLocale &operator=(const CNumericLocale &) = delete;

private:
#ifdef _WIN32
    int m_previousMode;
    std::string m_previousNumeric;
#else
    locale_t m_numeric;
    locale_t m_previous = nullptr;
#endif
};
