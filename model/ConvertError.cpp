#include "model/ConvertError.h"

#include "model/NumberText.h"

int StrToInt(const QString &text)
{
    if (const std::optional<int> value = DecimalTextToInt(text))
        return *value;
    throw EConvertError(text);
}
