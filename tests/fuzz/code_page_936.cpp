// Every target steps over texts as the program does on a till: with code page 936.
#include "support/iconv_code_page.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  lumo::SetLeadByteRanges(lumo::test::kCodePage936LeadBytes);
  return 0;
}
