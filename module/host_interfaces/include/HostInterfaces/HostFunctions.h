// Kestrin host interfaces.
// The host's own functions that the module calls: result buffers (the host's list records), the
// system variable reader, the command runner and the menu command runner. Texts are wide strings.
#pragma once

#include "sds.h"

/* What the module relies on:

   sds_resbuf* sds_newrb(int type)
     Description:
       Makes one result buffer of the type code (5005: a string).
   int sds_getvar(const wchar_t* name, sds_resbuf* result)
     Returns:
       5100 when the variable was read into result.
   int sds_relrb(sds_resbuf* rb)
     Description:
       Frees a result buffer made by sds_newrb.
   int sds_command(int type, ...)
     Description:
       Runs a host command given as (type code, value) pairs closed by 5000.
   int sds_menucmd(const wchar_t* command)
     Description:
       Runs a menu command ("P10=+Kestrin.pop1").
*/
