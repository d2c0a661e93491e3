// afxtempl.h: the framework's collection templates and their element helpers.
#pragma once

#include "afx.h"
#include "CollectionElements.h"
#include "CList.h"
#include "CArray.h"
#include "CMap.h"
