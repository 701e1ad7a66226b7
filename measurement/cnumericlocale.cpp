#include "measurement/cnumericlocale.h"

#ifdef _WIN32

#include <clocale>

CNumericLocale::CNumericLocale()
    : m_previousMode(_configthreadlocale(_ENABLE_PER_THREAD_LOCALE)),
      m_previousNumeric(std::setlocale(LC_NUMERIC, nullptr))
{
    std::setlocale(LC_NUMERIC, "C");
}

CNumericLocale::~CNumericLocale()
{
    std::setlocale(LC_NUMERIC, m_previousNumeric.c_str());
    _configthreadlocale(m_previousMode);
}

#else

// The thread's locale with its numbers from "C".
static locale_t numericFromC()
{
    const locale_t base = duplocale(uselocale(nullptr));
    if (!base)
        return nullptr;
    const locale_t numeric = newlocale(LC_NUMERIC_MASK, "C", base);
    if (!numeric)
        freelocale(base);
    return numeric;
}

CNumericLocale::CNumericLocale() : m_numeric(numericFromC())
{
    if (m_numeric)
        m_previous = uselocale(m_numeric);
}

CNumericLocale::~CNumericLocale()
{
    if (!m_numeric)
        return;
    uselocale(m_previous);
    freelocale(m_numeric);
}

#endif
