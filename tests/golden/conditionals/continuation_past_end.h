#pragma once
#if defined(A) && \
// the header goes on
// after the broken statement
