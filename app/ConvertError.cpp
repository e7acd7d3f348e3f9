#include "app/ConvertError.h"

#include "device/NumberText.h"

int StrToInt(const QString &text)
{
    if (const std::optional<int> value = DecimalTextToInt(text))
        return *value;
    throw EConvertError(text);
}
