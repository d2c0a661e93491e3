// CUserException.cpp: the exception that carries no message of its own: the user saw it already.
#include "CUserException.h"

IMPLEMENT_DYNAMIC(CUserException, CException)

void AFXAPI AfxThrowUserException()
{
    throw new CUserException;
}
