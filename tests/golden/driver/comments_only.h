// first comment
/* second */

   // indented, after a blank line
/* two */ // kinds
