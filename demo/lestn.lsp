;;; lestn.lsp - лестничный марш в плане со стрелкой подъема.

(defun lestn (/ p1 p2 n shir ang shag i q s)
  (if (and (setq p1 (getpoint "\nНачало марша: "))
           (setq p2 (getpoint p1 "\nКонец марша: ")))
    (progn
      (initget 7)
      (setq n (getint "\nЧисло ступеней: ")
            shir (lib_param_real "Ширина_марша" 1200.0)
            ang (angle p1 p2)
            shag (/ (distance p1 p2) n)
            i 0)
      (lib_layer "ЛЕСТНИЦЫ" 6)
      (repeat (1+ n)
        (setq q (polar p1 ang (* i shag)))
        (command "_.LINE" q (polar q (+ ang (/ pi 2)) shir) "")
        (setq i (1+ i)))
      (setq s (polar p1 (+ ang (/ pi 2)) (/ shir 2)))
      (command "_.PLINE" s "_Width" 0 0
               (polar s ang (- (distance p1 p2) shag))
               "_Width" (/ shag 2) 0
               (polar s ang (distance p1 p2)) "")
      (princ (strcat "\nМарш из " (itoa n) " ступеней построен."))))
  (princ))

(princ)
