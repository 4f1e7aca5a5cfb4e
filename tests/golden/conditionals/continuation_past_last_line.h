// A backslash inside the line asks for a line the statement does not have.
#if A \ B
#pragma once
