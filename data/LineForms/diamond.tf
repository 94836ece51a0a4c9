Start column (first path cell, counted from 1):
22
Start row (counted from the first line of this file):
5
                   § §
                 §§   §§
               §§       §§
             §§           §§
           §§               §§
         §§                   §§
       §§                       §§
     §§                           §§
   §§                               §§
 §§                                   §§
§                                       §
 §§                                   §§
   §§                               §§
     §§                           §§
       §§                       §§
         §§                   §§
           §§               §§
             §§           §§
               §§       §§
                 §§   §§
                   §§§
