// afx.h: the framework's core umbrella: types, the object model, exceptions, files and archives.
#pragma once

#include "afxtypes.h"
#include "CRuntimeClass.h"
#include "CObject.h"
#include "CString.h"
