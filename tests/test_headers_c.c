/* The umbrella header compiles as C, and its functions link from C. */
#include <MultiLanguage/ml.h>

int ml_test_header_from_c(void)
{
    WCHAR wide[8];
    return ml_ConvertUTF8toUTF16("C", wide, sizeof wide) && wide[0] == L'C' && wide[1] == 0;
}
